// The notice shown instead of the table on a screen too small for it: a message and a way out.
#pragma once

#include "ui/controls/CommandButton.h"
#include "ui/controls/Form.h"
#include "ui/controls/Label.h"
#include "ui/controls/Timer.h"

class frmNelzeDesign : public Form {
    Q_OBJECT
public:
    explicit frmNelzeDesign(Platform& platform);

    static constexpr int PrycIntervalMs = 5000;

    Label* lblText;
    CommandButton* cmdKonec;
    Timer* tmrPryc;
};
