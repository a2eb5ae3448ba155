// The last screen as designed: borderless over the whole screen, keeping what is drawn on it as its
// background, with the loss caption waiting hidden. What it shows is payout/frmPlocha's business.
#pragma once

#include "ui/controls/ControlArray.h"
#include "ui/controls/Form.h"
#include "ui/controls/Label.h"

class frmPlochaDesign : public Form {
    Q_OBJECT
public:
    explicit frmPlochaDesign(Platform& platform);

    ControlArray<Label> lblProhra;
};
