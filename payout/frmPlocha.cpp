#include "payout/frmPlocha.h"

frmPlocha::frmPlocha(Platform& platform_, const ControlArray<GraphicalButton>& cmdBankovka, Form& frmStul)
    : Form(platform_)
    , cmdBankovka_(cmdBankovka)
    , frmStul_(&frmStul)
{
}

void frmPlocha::Form_Click()
{
    Unload();
}

void frmPlocha::Form_KeyPress(std::int16_t)
{
    Unload();
}

void frmPlocha::Form_Unload(bool&)
{
    if (frmStul_)
        frmStul_->Unload();
}
