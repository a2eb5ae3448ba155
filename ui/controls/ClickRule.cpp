#include "ui/controls/ClickRule.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Orca clicks the middle of the control's extents, and first a pixel to the left of it; the window
// system rounds either to a whole pixel.
bool atCentre(QPointF position, QSize size)
{
    return std::abs(position.x() - size.width() / 2.0) <= 1.5 && std::abs(position.y() - size.height() / 2.0) <= 1;
}

// Orca's clicks for one key: at a point, then at the centre.
constexpr int ClicksPerGesture = 2;
} // namespace

// A key pressed after the gesture began begins another one. The key that made it may come to the
// window after its click, when the screen reader holds it long: being older, it begins nothing.
bool ClickRule::continues(std::int16_t Button, qint64 lastKeyAt, qint64 now) const
{
    return open_ && Button == button_ && lastKeyAt <= keyMark_ && now >= stepNow_ && now - stepNow_ <= StepMs;
}

void ClickRule::begin(std::int16_t Button, int clicks, bool acted, qint64 keyMark, qint64 now)
{
    open_ = true;
    button_ = Button;
    clicks_ = clicks;
    acted_ = acted;
    keyMark_ = keyMark;
    stepNow_ = now;
}

bool ClickRule::Pressed(std::int16_t Button, qint64 at, QPointF position, QSize size, qint64 lastKeyAt, qint64 now)
{
    down_ = Button;
    downAt_ = at;
    downAtCentre_ = atCentre(position, size);
    swallowed_ = downAtCentre_ && clicks_ < ClicksPerGesture && continues(Button, lastKeyAt, now);
    if (swallowed_) {
        ++clicks_;
        keyMark_ = std::max(keyMark_, at);
        stepNow_ = now;
    } else {
        open_ = false;
    }
    return !swallowed_;
}

void ClickRule::Released(std::int16_t Button, qint64 at, qint64 now, bool screenReader)
{
    if (Button != down_)
        return;
    down_ = 0;
    if (!swallowed_ && screenReader && downAtCentre_ && at >= downAt_ && at - downAt_ <= InstantMs)
        begin(Button, 1, false, at, now);
}

bool ClickRule::Acted(std::int16_t Button, qint64 now, qint64 lastKeyAt, bool screenReader)
{
    if (!acted_ && continues(Button, lastKeyAt, now)) {
        acted_ = true;
        stepNow_ = now;
        return false;
    }
    open_ = false;
    if (screenReader)
        begin(Button, 0, true, lastKeyAt, now);
    return true;
}
