#include "startup/modIxa.h"

#include "startup/frmNelze.h"
#include "table/frmStul.h"
#include "ui/runtime/NumberText.h"

namespace modIxa {

void Main(Platform& platform)
{
    if (platform.screen.Width() < MinSirka || platform.screen.Height() < MinVyska) {
        auto* nelze = new frmNelze(platform);
        // The numbers are those the game was made for, whatever the limits count in.
        nelze->lblText->SetCaption(QStringLiteral("Je mi líto, ale hra je určena pro minimální rozlišení ") + Str(800)
            + QStringLiteral(" x") + Str(600) + QStringLiteral(" bodů !"));
        nelze->Show();
    } else {
        (new frmStul(platform))->Show();
        // The pay-out may need the desktop's picture service: woken while the game is played.
        platform.desktop.Prepare();
    }
}

} // namespace modIxa
