#include "ui/controls/Timer.h"

#include <utility>

Timer::Timer(QObject* parent, int intervalMs, bool enabled, Counting counting)
    : QObject(parent)
{
    // Five seconds on the screen are five seconds: a coarse timer may end up to 5 % early.
    timer_.setTimerType(Qt::PreciseTimer);
    firstFrameAtMost_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    if (auto* window = dynamic_cast<Window*>(parent);
        counting == Counting::FromFirstFrame && window && !window->WasOnScreen()) {
        held_ = true;
        const auto release = [this] {
            firstFrameAtMost_.stop();
            if (std::exchange(held_, false))
                SetEnabled(enabled_);
        };
        window->AfterFirstFrame(*this, release);
        // A window not drawn within twice its timer's interval is taken for one that never will be
        // (started iconic, or under a window manager that never maps it): the timer counts from
        // then all the same, so that a notice nobody can see still ends the run.
        firstFrameAtMost_.setSingleShot(true);
        connect(&firstFrameAtMost_, &QTimer::timeout, this, release);
        firstFrameAtMost_.start(2 * intervalMs);
    }
    SetEnabled(enabled);
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled_ && !held_)
        timer_.start();
    else
        timer_.stop();
}

bool Timer::Tick()
{
    if (!enabled_)
        return false;
    emit Fired();
    return true;
}
