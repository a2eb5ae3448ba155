#include "ui/system/Desktop.h"

#include "ui/pictures/Drawing.h"
#include "ui/system/Portal.h"
#include "ui/system/X11.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace {
// The windows hidden just now go from the screen when the window system has dealt with them: on
// X11 the window manager takes their frames away in its own time.
void letTheHiddenWindowsGo()
{
    QGuiApplication::sync();
    X11::LetTheHiddenWindowsGo();
}

// Inside a Wayland session an X server run by the compositor sees only the windows of its own
// clients: its picture of the screen is black where the desktop is.
bool onlyTheDesktopSeesTheScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform.startsWith(QLatin1String("wayland"))
        || (platform == QLatin1String("xcb")
            && (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"));
}
} // namespace

Desktop::Desktop()
{
    bool given = false;
    const int patience = qEnvironmentVariableIntValue("IXA_PORTAL_PATIENCE", &given);
    patience_ = given && patience > 0 ? patience : Patience;
}

void Desktop::Capture(QScreen* screen, QObject& receiver, std::function<void(const QPixmap&)> taken) const
{
    if (pretended_)
        return taken(*pretended_);
    letTheHiddenWindowsGo();
    if (onlyTheDesktopSeesTheScreen())
        return (new PortalScreenshot(receiver, screen, patience_, std::move(taken)))->Ask();
    taken(screen ? screen->grabWindow(0) : QPixmap());
}

void Desktop::Prepare() const
{
    if (!pretended_ && onlyTheDesktopSeesTheScreen())
        PortalScreenshot::Wake();
}

bool Desktop::CopyTo(const QPixmap& picture, Drawing& surface, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return false;
    // On a screen of more than one device pixel to the pixel the block is larger in device pixels.
    const qreal ratio = picture.devicePixelRatio();
    surface.PaintPicture(
        picture.copy(QRect(0, 0, qRound(width * ratio), qRound(height * ratio)) & picture.rect()), 0, 0);
    return true;
}
