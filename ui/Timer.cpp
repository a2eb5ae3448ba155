#include "ui/Timer.h"

Timer::Timer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    SetEnabled(enabled);
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled_)
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
