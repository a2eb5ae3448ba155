#include "ui/frmNelzeDesign.h"

#include "ui/Screen.h"

#include <QFont>

namespace {
constexpr int px(int twips)
{
    return twips / Screen::TwipsPerPixel;
}
} // namespace

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
    setFixedSize(px(5265), px(1440));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    lblText->setGeometry(px(120), px(240), px(4935), px(615));
    QFont textFont(QStringLiteral("MS Sans Serif"));
    textFont.setPointSizeF(12);
    textFont.setBold(true);
    lblText->setFont(textFont);
    lblText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblText->setWordWrap(true);

    cmdKonec->setGeometry(px(1800), px(960), px(1695), px(375));
    cmdKonec->SetCaption(QStringLiteral("&Konec"));
    cmdKonec->setFocus();
}
