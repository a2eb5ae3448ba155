#include "ui/Desktop.h"

#include "ui/Drawing.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <QVariantMap>

#include <utility>

#ifdef IXA_X11
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#endif

namespace {
#ifdef IXA_X11
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* value)
{
    return Reply<T>(value, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto answer = reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return answer ? answer->atom : xcb_atom_t { XCB_ATOM_NONE };
}

// Whether the window manager still keeps a window of ours that was hidden or closed: until it
// has let go of it, its frame and what was last drawn in it stay on the screen.
bool keepsOneOfOurs(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t clientList, xcb_atom_t pid)
{
    const auto list = reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, clientList, XCB_ATOM_WINDOW, 0, 65536), nullptr));
    if (!list)
        return false;
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
    const auto count = static_cast<std::size_t>(xcb_get_property_value_length(list.get())) / sizeof(xcb_window_t);
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    std::vector<xcb_get_property_cookie_t> owners;
    for (std::size_t i = 0; i < count; ++i) {
        attributes.push_back(xcb_get_window_attributes(connection, windows[i]));
        owners.push_back(xcb_get_property(connection, 0, windows[i], pid, XCB_ATOM_CARDINAL, 0, 1));
    }
    bool keeps = false;
    for (std::size_t i = 0; i < count; ++i) {
        xcb_generic_error_t* error = nullptr;
        const auto shown = reply(xcb_get_window_attributes_reply(connection, attributes[i], &error));
        std::free(error);
        error = nullptr;
        const auto owner = reply(xcb_get_property_reply(connection, owners[i], &error));
        std::free(error);
        const bool ours = owner && xcb_get_property_value_length(owner.get()) == 4
            && *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get()))
                == static_cast<std::uint32_t>(getpid());
        // A window closed a moment ago is still listed, though it no longer exists.
        keeps = keeps || !shown || (ours && shown->map_state != XCB_MAP_STATE_VIEWABLE);
    }
    return keeps;
}
#endif

// The windows hidden just now go from the screen when the window system has dealt with them: on
// X11 the window manager takes their frames away in its own time.
void letTheHiddenWindowsGo()
{
    QGuiApplication::sync();
#ifdef IXA_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t clientList = atom(connection, "_NET_CLIENT_LIST");
    const xcb_atom_t pid = atom(connection, "_NET_WM_PID");
    if (clientList == XCB_ATOM_NONE || pid == XCB_ATOM_NONE)
        return;
    // A window manager that never lets go is not waited for long.
    QElapsedTimer clock;
    clock.start();
    while (keepsOneOfOurs(connection, root, clientList, pid) && clock.elapsed() < 1000)
        QThread::msleep(10);
#endif
}

// On Wayland the desktop takes the picture on the program's behalf, through its portal. The answer
// comes as a signal of the request the portal makes for it: listened to before asking, so that
// no answer goes unheard, however quickly it comes.
class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    PortalScreenshot(QObject& receiver, std::function<void(const QPixmap&)> taken)
        : QObject(&receiver)
        , taken_(std::move(taken))
    {
    }

    void Ask()
    {
        const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
        if (!bus_.isConnected())
            return done(QPixmap());
        // The portal names the request after the caller and the token the caller gives it.
        // Each request is this object's own, so it is named after it.
        const QString token = QStringLiteral("ixa%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
        listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                   .arg(bus_.baseService().mid(1).replace(u'.', u'_'), token));
        // Should the portal leave the bus, no answer will come.
        auto* watcher = new QDBusServiceWatcher(portal, bus_, QDBusServiceWatcher::WatchForUnregistration, this);
        connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { done(QPixmap()); });

        QDBusMessage call = QDBusMessage::createMethodCall(portal, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
        call << QString()
             << QVariantMap { { QStringLiteral("handle_token"), token }, { QStringLiteral("interactive"), false } };
        // Started on the first request, the portal has taken up to about two thirds of a second.
        // Once it has taken the request up, the desktop may be asking the player, who is waited for.
        constexpr int TakenUpWithin = 5000;
        auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call, TakenUpWithin), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
            const QDBusPendingReply<QDBusObjectPath> request = *answer;
            if (request.isError())
                done(QPixmap());
            else if (request.value().path() != request_)
                // A portal older than the tokens names the request its own way.
                listen(request.value().path());
        });
    }

private slots:
    void Response(uint response, const QVariantMap& results)
    {
        constexpr uint Granted = 0;
        const QUrl uri(results.value(QStringLiteral("uri")).toString());
        QPixmap picture;
        if (response == Granted && uri.isLocalFile()) {
            picture = QPixmap::fromImage(QImage(uri.toLocalFile()));
            // The file was made for this picture alone; the game leaves nothing behind.
            QFile::remove(uri.toLocalFile());
            // The picture has the screen's own pixels, as many to each of the game's as the screen has.
            const QScreen* screen = QGuiApplication::primaryScreen();
            picture.setDevicePixelRatio(screen ? screen->devicePixelRatio() : 1.0);
        }
        done(picture);
    }

private:
    void listen(const QString& request)
    {
        request_ = request;
        bus_.connect(QStringLiteral("org.freedesktop.portal.Desktop"), request_,
            QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this,
            SLOT(Response(uint, QVariantMap)));
    }

    // The first answer counts: a refusal, the portal leaving or the picture.
    void done(const QPixmap& picture)
    {
        if (!taken_)
            return;
        const auto taken = std::exchange(taken_, nullptr);
        deleteLater();
        taken(picture);
    }

    QDBusConnection bus_ = QDBusConnection::sessionBus();
    QString request_;
    std::function<void(const QPixmap&)> taken_;
};
} // namespace

void Desktop::Capture(QObject& receiver, std::function<void(const QPixmap&)> taken) const
{
    if (pretended_)
        return taken(*pretended_);
    letTheHiddenWindowsGo();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return (new PortalScreenshot(receiver, std::move(taken)))->Ask();
    QScreen* screen = QGuiApplication::primaryScreen();
    taken(screen ? screen->grabWindow(0) : QPixmap());
}

bool Desktop::CopyTo(const QPixmap& picture, Drawing& surface, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return false;
    // On a screen of more than one device pixel to the pixel the block is larger in device pixels.
    const qreal ratio = picture.devicePixelRatio();
    surface.PaintPicture(picture.copy(0, 0, qRound(width * ratio), qRound(height * ratio)), 0, 0);
    return true;
}

#include "Desktop.moc"
