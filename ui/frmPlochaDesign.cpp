#include "ui/frmPlochaDesign.h"

#include "ui/Drawing.h"

#include <QFont>

namespace {
Label* lossCaption(QWidget* parent)
{
    auto* label = new Label(parent);
    label->setGeometry(-184, 120, 777, 111);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(72);
    font.setBold(true);
    label->setFont(font);
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
    resize(419, 381);
    Surface().SetAutoRedraw(true);
}
