// A window timer: an interval in milliseconds and an enabled flag; one tick per interval while enabled.
// A timer of a window counts from when the window is first on the screen: what it times (a hint
// to read, a notice to close) gets its whole interval however long a slow machine takes to show it.
#pragma once

#include <QObject>
#include <QTimer>

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, int intervalMs, bool enabled);

    int Interval() const { return timer_.interval(); }
    bool Enabled() const { return enabled_; }
    // Enabling starts a fresh interval, as switching a timer on does.
    void SetEnabled(bool enabled);

    // One tick now, without waiting; a disabled timer does not tick.
    bool Tick();

signals:
    void Fired();

private:
    QTimer timer_;
    bool enabled_ = false;
    bool held_ = false; // until its window is first on the screen
};
