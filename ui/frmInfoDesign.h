// The information window as designed: the fanned cards, the framed name, the credit lines, the
// buttons and the two help boxes below them, seen only once the window is made taller.
#pragma once

#include "ui/CommandButton.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/Shape.h"
#include "ui/TextBox.h"

class frmInfoDesign : public Form {
    Q_OBJECT
public:
    explicit frmInfoDesign(Platform& platform);

    Label* lblNazevApp;
    Shape* Shape1;
    ControlArray<Label> lbltxt;
    Line* Line1;
    CommandButton* cmdOK;
    CommandButton* cmdPravidla;
    CommandButton* cmdOvladani;
    TextBox* txtPravidla;
    TextBox* txtOvladani;
    CommandButton* cmdStatistika;
};
