#include "ui/designs/frmPlochaDesign.h"

#include "ui/controls/DesignFont.h"
#include "ui/pictures/Drawing.h"
#include "ui/system/Screen.h"

namespace {
Label* lossCaption(QWidget* parent)
{
    auto* label = new Label(parent);
    label->setGeometry(PixelsRect(-2760, 1800, 11655, 1665));
    label->setFont(DesignFont(QStringLiteral("Arial"), 72, true));
    label->SetForeColor(RGB(255, 255, 0));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->SetAutoSize(true);
    label->SetCaption(QStringLiteral("Vše jste prohrál !"));
    label->SetVisible(false);
    return label;
}
} // namespace

frmPlochaDesign::frmPlochaDesign(Platform& platform_)
    : Form(platform_)
    , lblProhra(this, lossCaption)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    SetStartState(StartState::Maximized);
    resize(Pixels(6285), Pixels(5715));
    Surface().SetAutoRedraw(true);
}
