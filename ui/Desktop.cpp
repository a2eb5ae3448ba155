#include "ui/Desktop.h"

#include "ui/Drawing.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

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
} // namespace

QPixmap Desktop::grab() const
{
    if (pretended_)
        return *pretended_;
    letTheHiddenWindowsGo();
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
