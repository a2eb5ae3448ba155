// What the game has to do with an X server itself, past what Qt does: wait for the window manager
// to let go of hidden windows, give a window the empty title, notice a window of ours that another
// program destroyed. Where the program has no X connection (Wayland, offscreen) each does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QSet>
#include <QtGui/qwindowdefs.h>

#include <cstdint>
#include <functional>

class QWidget;

namespace X11 {
// Waits until the window manager has let go of the windows of ours hidden or closed just now:
// until then their frames and what was last drawn in them stay on the screen. A window manager
// that never lets go is waited for a second.
void LetTheHiddenWindowsGo();

// Gives the window the empty title, past the program's name that Qt gives a window without one.
void ShowEmptyTitle(WId window);

// Notices a window of ours that another program destroyed: the toolkit would carry on as if it
// were still there, and a program whose only window is gone would live on unseen. What becomes
// of the run is `destroyed`'s to say, given the top-level widget whose window went.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindowWatch(std::function<void(QWidget&)> destroyed);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void(QWidget&)> destroyed_;
    // Only the server's word of these windows of ours is known already.
    QSet<std::uint32_t> destroyedByOthers_;
};
} // namespace X11
