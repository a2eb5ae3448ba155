#include "ui/Desktop.h"

#include "ui/Drawing.h"

#include <QGuiApplication>
#include <QScreen>

QPixmap Desktop::grab() const
{
    if (pretended_)
        return *pretended_;
    // Whatever the window system still has to do for the windows hidden just now is done first.
    QGuiApplication::sync();
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0) : QPixmap();
}

bool Desktop::CopyTo(Drawing& surface, int width, int height) const
{
    const QPixmap screen = grab();
    if (screen.isNull() || width <= 0 || height <= 0)
        return false;
    // On a screen of more than one device pixel to the pixel the block is larger in device pixels.
    const qreal ratio = screen.devicePixelRatio();
    surface.PaintPicture(screen.copy(0, 0, qRound(width * ratio), qRound(height * ratio)), 0, 0);
    return true;
}
