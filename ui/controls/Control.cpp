#include "ui/controls/Control.h"

#include "ui/controls/KeyCode.h"

#include <QMouseEvent>

std::int16_t MouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return 0;
    }
}

MouseDownArgs MouseDownOf(const QMouseEvent& press)
{
    return { MouseButtonCode(press.button()), ShiftMaskOf(press.modifiers()), static_cast<float>(press.position().x()),
        static_cast<float>(press.position().y()) };
}

bool IsClick(const QWidget& control, const QMouseEvent& release)
{
    return release.button() == Qt::LeftButton && control.rect().contains(release.position().toPoint());
}
