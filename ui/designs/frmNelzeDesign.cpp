#include "ui/designs/frmNelzeDesign.h"

#include "ui/controls/DesignFont.h"
#include "ui/system/Screen.h"

frmNelzeDesign::frmNelzeDesign(Platform& platform_)
    : Form(platform_)
    , lblText(new Label(this))
    , cmdKonec(new CommandButton(this, PixelsRect(1800, 960, 1695, 375), QStringLiteral("&Konec")))
    // On from the start: the notice goes by itself, five seconds after it is first drawn.
    , tmrPryc(new Timer(this, PrycIntervalMs, true, Timer::Counting::FromFirstFrame))
{
    SetCaption(QString());
    // A fixed dialog: no resizing, no minimise or maximise, but its own entry in the task bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Pixels(5265), Pixels(1440));

    lblText->setGeometry(PixelsRect(120, 240, 4935, 615));
    lblText->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 12, true));
    lblText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblText->setWordWrap(true);

    cmdKonec->setFocus();
}
