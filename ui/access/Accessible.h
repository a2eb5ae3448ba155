// What a screen reader is told of the game's controls beyond what Qt tells by itself: each control
// may say what kind of thing it is, or make an interface of its own, and a change may move the
// focus without the screen reader hearing of it.
#pragma once

#include <QAccessible>

#include <functional>
#include <optional>

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

namespace Accessible {
// A control that a screen reader is told of in its own way.
class Described {
public:
    // The kind of thing the control is to a screen reader, whatever the toolkit would take it for.
    void SetAccessibleRole(QAccessible::Role role) { role_ = role; }
    // The interface a screen reader is given for `self`, the control; nullptr leaves it to Qt's own.
    virtual QAccessibleInterface* AccessibleInterface(QWidget& self);

protected:
    ~Described() = default;

private:
    std::optional<QAccessible::Role> role_;
};

// Qt asks this for every object's interface; nullptr leaves the object to Qt's own.
QAccessibleInterface* Interface(const QString& className, QObject* object);
// Tells a screen reader that a display now shows another amount.
void NameChanged(QObject* display);
// Makes a change whose move of the focus a screen reader is not told of; everything else it is.
void WithoutFocusNews(const std::function<void()>& change);
} // namespace Accessible
