// The table from the keyboard: each key does what the matching mouse action does, under the
// same conditions.
#include "table/frmStul.h"

#include "info/frmInfo.h"
#include "ui/access/Hlaseni.h"
#include "ui/controls/KeyCode.h"

void frmStul::Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    if (KeyCode == KeyCodes::F1) {
        PozastavTahBehem([this] { (new frmInfo(platform))->ShowModal(); });
        return;
    }
    if (KeyCode == KeyCodes::Delete) {
        cmdRub_Click();
        return;
    }
    // The buttons' own shortcuts reach this only while the button is disabled.
    if (Shift == ShiftMask::Alt && KeyCode == 'R' && !cmdRozdej->Enabled()) {
        platform.announcer.Say(HracNaTahu ? Hlaseni::HraBezi : MimoTah());
        return;
    }
    if (Shift == ShiftMask::Alt && KeyCode == 'D' && !cmdDost->Enabled()) {
        platform.announcer.Say(HracNaTahu ? Hlaseni::StatAzSeDvema : MimoTah());
        return;
    }
    if (KeyCode == KeyCodes::Digit7) {
        picKarta_Click(0);
        return;
    }
    if (KeyCode < KeyCodes::Digit1 || KeyCode > KeyCodes::Digit6)
        return;
    const auto Index = static_cast<std::int16_t>(KeyCode - KeyCodes::Digit1);
    // Shift takes a note back; with Ctrl or Alt in the mask a digit does nothing.
    if (Shift == 0)
        cmdBankovka_MouseDown(Index, MouseButton::Left, 0, 0, 0);
    else if (Shift == ShiftMask::Shift)
        cmdBankovka_MouseDown(Index, MouseButton::Right, 0, 0, 0);
}
