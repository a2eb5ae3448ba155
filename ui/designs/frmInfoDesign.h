// The information window as designed: the fanned cards, the framed name, the credit lines, the
// buttons and the two help boxes below them, seen only once the window is made taller.
#pragma once

#include "ui/controls/CommandButton.h"
#include "ui/controls/ControlArray.h"
#include "ui/controls/Form.h"
#include "ui/controls/Label.h"
#include "ui/controls/Line.h"
#include "ui/controls/Shape.h"
#include "ui/controls/TextBox.h"

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
