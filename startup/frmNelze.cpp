#include "startup/frmNelze.h"

frmNelze::frmNelze(Platform& platform_)
    : frmNelzeDesign(platform_)
{
    connect(tmrPryc, &Timer::Fired, this, &frmNelze::tmrPryc_Timer);
    connect(cmdKonec, &CommandButton::Click, this, &frmNelze::cmdKonec_Click);
}

void frmNelze::Form_Load()
{
    MoveTwips(
        CentredTwips(platform.screen.Width(), WidthTwips()), CentredTwips(platform.screen.Height(), HeightTwips()));
    platform.announcer.Say(lblText->Caption());
}

void frmNelze::tmrPryc_Timer()
{
    Unload();
}

void frmNelze::cmdKonec_Click()
{
    Unload();
}
