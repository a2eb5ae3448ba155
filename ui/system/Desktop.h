// The picture of the screen that the last screen of the run freezes behind itself.
#pragma once

#include <QPixmap>

#include <functional>
#include <optional>

class Drawing;
class QObject;
class QScreen;

class Desktop {
public:
    Desktop();

    // Takes the picture of the screen and hands it to `taken`; a null picture where the platform
    // keeps its screen to itself. On X11 the picture is read at once and `taken` is called before
    // this returns. On Wayland, and on X11 inside a Wayland session, only the desktop itself may
    // look at the screen: it is asked for the picture, and `taken` comes later, from the event
    // loop, once it has answered. It may first ask the player whether to allow it; a desktop that
    // does not take up the request within a few seconds, refuses it, or has not answered within
    // the player's patience gives a null picture. Nothing comes once `receiver` has gone, and the
    // desktop is told that the request is withdrawn.
    void Capture(QScreen* screen, QObject& receiver, std::function<void(const QPixmap&)> taken) const;

    // Wakes the desktop's picture service where the picture is to be asked of it, so that it is
    // ready by the time the picture is: started by that request alone, it may not take the
    // request up in time. Returns at once.
    void Prepare() const;

    // Copies the block of the picture from its top left corner, width by height pixels, to the top
    // left corner of the surface; a smaller picture covers only its own part. False for a null
    // picture: the surface then keeps what it held.
    static bool CopyTo(const QPixmap& picture, Drawing& surface, int width, int height);

    // A pretend screen, so that tests see a known picture; a null picture is a platform that refuses.
    void Pretend(const QPixmap& picture) { pretended_ = picture; }

    // How long the desktop's answer is waited for, in milliseconds. Nothing of the game is on the
    // screen meanwhile: long enough for someone to read GNOME's question and decide, short enough
    // that a desktop that never answers does not leave a game running unseen. IXA_PORTAL_PATIENCE
    // in the environment gives another, so that tests need not wait a minute.
    static constexpr int Patience = 60000;
    int PatienceMs() const { return patience_; }

private:
    std::optional<QPixmap> pretended_;
    int patience_;
};
