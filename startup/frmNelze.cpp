#include "startup/frmNelze.h"

#include "ui/NumberText.h"

frmNelze::frmNelze(Platform& platform_)
    : frmNelzeDesign(platform_)
{
    connect(tmrPryc, &Timer::Fired, this, &frmNelze::tmrPryc_Timer);
    connect(cmdKonec, &CommandButton::Click, this, &frmNelze::cmdKonec_Click);
}

void frmNelze::Form_Load()
{
    const std::int32_t Left = IntDiv(platform.screen.Width() - WidthTwips(), 2);
    const std::int32_t Top = IntDiv(platform.screen.Height() - HeightTwips(), 2);
    MoveTwips(Left, Top);
}

void frmNelze::tmrPryc_Timer()
{
    Unload();
}

void frmNelze::cmdKonec_Click()
{
    Unload();
}
