#include "payout/frmPlocha.h"

frmPlocha::frmPlocha(Platform& platform_, const ControlArray<GraphicalButton>& cmdBankovka, Form& frmStul)
    : Form(platform_)
    , cmdBankovka_(cmdBankovka)
    , frmStul_(&frmStul)
{
}
