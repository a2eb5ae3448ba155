// The picture of the whole screen that the last screen of the run freezes behind itself.
#pragma once

#include <QPixmap>

#include <functional>
#include <optional>

class Drawing;
class QObject;

class Desktop {
public:
    // Takes the picture of the whole screen and hands it to `taken`; a null picture where the
    // platform keeps its screen to itself. On X11 the picture is read at once and `taken` is
    // called before this returns. On Wayland only the desktop itself may look at the screen: it is
    // asked for the picture, and `taken` comes later, from the event loop, once it has answered.
    // It may first ask the player whether to allow it, and is waited for as long as it asks; a
    // desktop that does not take up the request within a few seconds, or refuses it, gives a null
    // picture. Nothing comes once `receiver` has gone.
    void Capture(QObject& receiver, std::function<void(const QPixmap&)> taken) const;

    // Copies the block of the picture from its top left corner, width by height pixels, to the top
    // left corner of the surface. False for a null picture: the surface then keeps what it held.
    static bool CopyTo(const QPixmap& picture, Drawing& surface, int width, int height);

    // A pretend screen, so that tests see a known picture; a null picture is a platform that refuses.
    void Pretend(const QPixmap& picture) { pretended_ = picture; }

private:
    std::optional<QPixmap> pretended_;
};
