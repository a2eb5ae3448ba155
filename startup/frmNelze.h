// The notice that the screen is too small for the game; it closes itself after a while.
#pragma once

#include "ui/designs/frmNelzeDesign.h"

class frmNelze : public frmNelzeDesign {
    Q_OBJECT
public:
    explicit frmNelze(Platform& platform);

protected:
    void Form_Load() override;

private:
    void tmrPryc_Timer();
    void cmdKonec_Click();
};
