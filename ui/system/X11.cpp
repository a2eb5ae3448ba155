#include "ui/system/X11.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <utility>

// Without xcb's headers at build time the game speaks no X11 of its own: Qt's still works.
#ifdef IXA_X11
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {
xcb_connection_t* connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* value)
{
    return Reply<T>(value, &std::free);
}

// A name the server does not know yet is made a new atom only where the program sets a property of
// that name: a property looked up under an unknown name is one that nobody has set.
enum class Unknown { IsNone, IsMade };

xcb_atom_t atom(xcb_connection_t* connection, const char* name, Unknown unknown)
{
    const auto answer = reply(xcb_intern_atom_reply(connection,
        xcb_intern_atom(connection, unknown == Unknown::IsNone, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return answer ? answer->atom : xcb_atom_t { XCB_ATOM_NONE };
}

// Whether the window manager still keeps a window of ours that was hidden or closed.
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

// Whether the id is of this program's own making: each connection to the X server names what it
// makes from a range of its own.
bool madeHere(std::uint32_t id)
{
    xcb_connection_t* server = connection();
    if (!server)
        return true;
    const xcb_setup_t* setup = xcb_get_setup(server);
    return (id & ~setup->resource_id_mask) == setup->resource_id_base;
}
} // namespace
#endif

namespace X11 {
void LetTheHiddenWindowsGo()
{
#ifdef IXA_X11
    xcb_connection_t* server = connection();
    if (!server)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(server)).data->root;
    // Properties the window manager sets: where it has never set them, there is nothing to wait for.
    const xcb_atom_t clientList = atom(server, "_NET_CLIENT_LIST", Unknown::IsNone);
    const xcb_atom_t pid = atom(server, "_NET_WM_PID", Unknown::IsNone);
    if (clientList == XCB_ATOM_NONE || pid == XCB_ATOM_NONE)
        return;
    QElapsedTimer clock;
    clock.start();
    while (keepsOneOfOurs(server, root, clientList, pid) && clock.elapsed() < 1000)
        QThread::msleep(10);
#endif
}

void ShowEmptyTitle([[maybe_unused]] WId window)
{
#ifdef IXA_X11
    xcb_connection_t* server = connection();
    if (!server)
        return;
    // Set here, so made if need be: on a server where nobody has named them yet, looking them up
    // alone would give no atom, and the window would keep the program's name.
    const xcb_atom_t name = atom(server, "_NET_WM_NAME", Unknown::IsMade);
    const xcb_atom_t utf8 = atom(server, "UTF8_STRING", Unknown::IsMade);
    const auto id = static_cast<xcb_window_t>(window);
    xcb_change_property(server, XCB_PROP_MODE_REPLACE, id, name, utf8, 8, 1, "");
    xcb_change_property(server, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
    xcb_flush(server);
#endif
}

DestroyedWindowWatch::DestroyedWindowWatch(std::function<void(QWidget&)> destroyed)
    : destroyed_(std::move(destroyed))
{
}

bool DestroyedWindowWatch::nativeEventFilter(
    [[maybe_unused]] const QByteArray& eventType, [[maybe_unused]] void* message, qintptr*)
{
#ifdef IXA_X11
    if (eventType != "xcb_generic_event_t")
        return false;
    // The top bit marks an event that another client sent; the server's errors are of type 0.
    const auto type = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f;
    if (type == 0) {
        // The toolkit still hides and destroys a window that another program destroyed first, and
        // asks where the window manager's frame around a window went after the window manager took
        // it away. The server's answer that another program's window, or one of ours that another
        // program destroyed, is gone says nothing new; of any other window of ours it is news.
        const auto* error = static_cast<const xcb_generic_error_t*>(message);
        return error->error_code == XCB_WINDOW
            && (destroyedByOthers_.contains(error->resource_id) || !madeHere(error->resource_id));
    }
    if (type != XCB_DESTROY_NOTIFY)
        return false;
    const auto* event = static_cast<const xcb_destroy_notify_event_t*>(message);
    // The toolkit lets go of a native window as it destroys it, long before the server's notice of
    // it comes back: a window still held is one that another program destroyed. A widget hears of
    // its window's replacement only later, so its own id may still name one gone already (as a
    // tooltip's, which the toolkit re-creates as it shows it), and is no guide.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QWindow* held = window->windowHandle();
        if (!held || !held->handle() || held->winId() != event->window)
            continue;
        destroyedByOthers_.insert(event->window);
        destroyed_(*window);
        break;
    }
#endif
    return false;
}
} // namespace X11
