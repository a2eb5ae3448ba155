#include "ui/frmNelzeDesign.h"

#include "ui/Screen.h"

#include <QFont>

frmNelzeDesign::frmNelzeDesign(Platform& platform_)
    : Form(platform_)
    , lblText(new Label(this))
    , cmdKonec(new CommandButton(this))
    // It counts from the start: the notice goes by itself.
    , tmrPryc(new Timer(this, PrycIntervalMs, true))
{
    SetCaption(QString());
    // A fixed dialog: no resizing, no minimise or maximise, but its own entry in the task bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Pixels(5265), Pixels(1440));

    lblText->setGeometry(Pixels(120), Pixels(240), Pixels(4935), Pixels(615));
    QFont textFont(QStringLiteral("MS Sans Serif"));
    textFont.setPointSizeF(12);
    textFont.setBold(true);
    lblText->setFont(textFont);
    lblText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblText->setWordWrap(true);

    cmdKonec->setGeometry(Pixels(1800), Pixels(960), Pixels(1695), Pixels(375));
    cmdKonec->SetCaption(QStringLiteral("&Konec"));
    cmdKonec->setFocus();
}
