#include "ui/access/Accessible.h"

#include <QAccessibleWidget>

#include <utility>

namespace {
// The handler a quiet change stands in for; nullptr is the platform's own.
QAccessible::UpdateHandler outerHandler = nullptr;

void passAllButFocus(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Focus)
        return;
    if (outerHandler) {
        outerHandler(event);
        return;
    }
    // Qt hands an event to the platform only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passAllButFocus);
}
} // namespace

namespace Accessible {

QAccessibleInterface* Described::AccessibleInterface(QWidget& self)
{
    return role_ ? new QAccessibleWidget(&self, *role_) : nullptr;
}

QAccessibleInterface* Interface(const QString&, QObject* object)
{
    auto* described = object->isWidgetType() ? dynamic_cast<Described*>(object) : nullptr;
    return described ? described->AccessibleInterface(*static_cast<QWidget*>(object)) : nullptr;
}

void NameChanged(QObject* display)
{
    // No value change: a display has no value interface, and the bridge would only complain of
    // the event. The name holds the amount, and a screen reader that keeps names reads the new one.
    QAccessibleEvent renamed(display, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void WithoutFocusNews(const std::function<void()>& change)
{
    outerHandler = QAccessible::installUpdateHandler(passAllButFocus);
    change();
    QAccessible::installUpdateHandler(std::exchange(outerHandler, nullptr));
}

} // namespace Accessible
