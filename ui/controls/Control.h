// The properties every control has, in the game's own words. Positions are in the container's
// unit, which is the pixel on the windows that place controls at run time.
#pragma once

#include "ui/access/Accessible.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>

// Mouse button codes as the handlers receive them.
namespace MouseButton {
constexpr std::int16_t Left = 1;
constexpr std::int16_t Right = 2;
constexpr std::int16_t Middle = 4;
} // namespace MouseButton

std::int16_t MouseButtonCode(Qt::MouseButton button);

class QMouseEvent;

// What a mouse-down handler receives: the button code, the modifier mask and the position.
struct MouseDownArgs {
    std::int16_t Button;
    std::int16_t Shift;
    float X;
    float Y;
};
MouseDownArgs MouseDownOf(const QMouseEvent& press);

// A click is the left button let go over the control it was pressed on.
bool IsClick(const QWidget& control, const QMouseEvent& release);

template <typename Base> class Control : public Base, public Accessible::Described {
public:
    using Base::Base;

    int Left() const { return this->x(); }
    int Top() const { return this->y(); }
    int Width() const { return this->width(); }
    int Height() const { return this->height(); }
    void SetLeft(int left) { this->move(left, this->y()); }
    void SetTop(int top) { this->move(this->x(), top); }
    void SetWidth(int width) { this->resize(width, this->height()); }
    void Move(int left, int top) { this->move(left, top); }

    // The control's own visible flag: true also while its window is not on the screen yet.
    bool Visible() const { return !this->isHidden(); }
    void SetVisible(bool visible) { this->setVisible(visible); }
    bool Enabled() const { return this->isEnabled(); }
    void SetEnabled(bool enabled) { this->setEnabled(enabled); }
    void SetFocus() { this->setFocus(Qt::OtherFocusReason); }
    // Brings the control to the front of its window's z-order.
    void ZOrder() { this->raise(); }

    void SetToolTipText(const QString& text) { this->setToolTip(text); }
    // What a screen reader calls the control.
    void SetAccessibleName(const QString& name) { this->setAccessibleName(name); }
    // What a screen reader says of the control after its name: what it is for, or why it is off.
    void SetAccessibleDescription(const QString& text) { this->setAccessibleDescription(text); }
    void SetForeColor(QColor colour)
    {
        setRole(QPalette::WindowText, colour);
        setRole(QPalette::ButtonText, colour);
    }
    void SetBackColor(QColor colour)
    {
        setRole(QPalette::Window, colour);
        this->setAutoFillBackground(true);
    }
    QColor ForeColor() const { return this->palette().color(QPalette::WindowText); }

protected:
    void setRole(QPalette::ColorRole role, QColor colour)
    {
        QPalette p = this->palette();
        p.setColor(role, colour);
        this->setPalette(p);
    }
};
