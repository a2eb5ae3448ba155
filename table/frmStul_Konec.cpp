// Closing the table: the pay-out question, and the hand-over to the last screen.
#include "table/frmStul.h"

#include "history/Penezenka.h"
#include "payout/frmPlocha.h"

void frmStul::cmdKonec_Click()
{
    Unload();
}

void frmStul::Form_Unload(bool& Cancel)
{
    Cancel = false;
    PozastavTahBehem([&] {
        if (Penezenka > 0
            && platform.msgBox.AskYesNo(this, QStringLiteral("Opravdu mám vyplatit výhru ?")) == MessageBox::Answer::No)
            Cancel = true;
        if (!Cancel) {
            // A stake still on the table is forfeited: the player's share left the purse with it.
            // The help and the chart go with the table: the pay-out waits for none of them, and
            // its copy of the desktop shows none of them.
            platform.forms.DiscardModal();
            // The pay-out covers the screen the table was on, of however many the player has.
            platform.screen.Follow(*this);
            Hide();
            // The last screen shows itself once it has the desktop's picture, which may take a while.
            (new frmPlocha(platform, cmdBankovka, *this))->Load();
        }
    });
}
