// A window timer: an interval in milliseconds and an enabled flag; one tick per interval while enabled.
// What a player sees for a while (a hint to read, a notice to close) counts from when its window is
// first on the screen, so that it gets its whole interval however long a slow machine takes to show
// the window. Everything else, the bank's card-by-card pace included, counts from being switched on.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class Timer : public QObject {
    Q_OBJECT
public:
    // What a timer that counts from the first frame needs of the window it belongs to.
    class Window {
    public:
        virtual bool WasOnScreen() const = 0;
        // Calls `then` once the first frame is drawn, unless `context` has gone by then.
        virtual void AfterFirstFrame(QObject& context, std::function<void()> then) = 0;

    protected:
        ~Window() = default;
    };

    enum class Counting { FromSwitchingOn, FromFirstFrame };
    Timer(QObject* parent, int intervalMs, bool enabled, Counting counting = Counting::FromSwitchingOn);

    int Interval() const { return timer_.interval(); }
    bool Enabled() const { return enabled_; }
    // Whether its interval is running: enabled, and not waiting for its window's first frame.
    bool Running() const { return timer_.isActive(); }
    // Enabling starts a fresh interval, as switching a timer on does.
    void SetEnabled(bool enabled);

    // One tick now, without waiting; a disabled timer does not tick.
    bool Tick();

signals:
    void Fired();

private:
    // Its children, so that they can be found among its parts and their kind read.
    QTimer timer_ { this };
    QTimer firstFrameAtMost_ { this };
    bool enabled_ = false;
    bool held_ = false; // until its window is first on the screen
};
