// What a screen reader is told of the game's controls beyond what Qt tells by itself: the
// displays by what they show, the pictures as graphics, and the picture buttons with the actions
// the mouse has on them.
#pragma once

#include <functional>

class QAccessibleInterface;
class QObject;
class QString;

namespace Accessible {
// Qt asks this for every object's interface; nullptr leaves the object to Qt's own.
QAccessibleInterface* Interface(const QString& className, QObject* object);
// Tells a screen reader that a display now shows another amount.
void NameChanged(QObject* display);
// Makes a change whose move of the focus a screen reader is not told of; everything else it is.
void WithoutFocusNews(const std::function<void()>& change);
} // namespace Accessible
