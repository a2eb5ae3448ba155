#include "ui/Timer.h"

#include "ui/Form.h"

Timer::Timer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    if (auto* form = qobject_cast<Form*>(parent); form && !form->WasOnScreen()) {
        held_ = true;
        connect(form, &Form::OnScreen, this, [this] {
            held_ = false;
            SetEnabled(enabled_);
        });
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
