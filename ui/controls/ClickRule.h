// Which presses of a control count: every one a player makes, and one for each gesture of a
// screen reader, which may reach the control three times.
#pragma once

#include <QPointF>
#include <QSize>

#include <cstdint>

// Orca clicks a point of the control for its click key. When it believes the pointer did not get
// there (its look comes before the window system has moved it, which takes most of a second on a
// busy desktop), it clicks the control's centre too, and then calls the control's Press action.
// The clicks may reach the window after the action: the window system sends them late, the action
// comes at once. So a gesture is the first of these presses and what follows it in any order: up
// to two clicks whose button goes up in the instant it went down, within a pixel of the centre,
// and one action, no key pressed since, each step soon after the one before; and all of it only
// while the screen reader holds the last key pressed, its click key. Any other press counts,
// however quick: the clicks of XTest tools, remote desktops, dwell and switch clickers and
// touchpads are as instant as a screen reader's.
//
// Times come from the caller: a click's and a key's as the window system stamped them; `now`, when
// a press reaches the control, on a clock of the caller's that only has to run on.
class ClickRule {
public:
    // A button went down at `at`, at `position` on a control of `size`: whether the press counts.
    bool Pressed(std::int16_t Button, qint64 at, QPointF position, QSize size, qint64 lastKeyAt, qint64 now);
    // The button came up at `at`. `screenReader`: whether a screen reader holds the last key
    // pressed, so that the press may be its command's.
    void Released(std::int16_t Button, qint64 at, qint64 now, bool screenReader);
    // An assistive tool's action that stands for the button: whether it counts.
    bool Acted(std::int16_t Button, qint64 now, qint64 lastKeyAt, bool screenReader);

    // A screen reader's look at the pointer waits on a desktop as busy as it gets; a step that
    // comes later than this after the last one is another gesture.
    static constexpr qint64 StepMs = 5000;
    // A hand holds a button down for tens of milliseconds at the least.
    static constexpr qint64 InstantMs = 10;

private:
    bool continues(std::int16_t Button, qint64 lastKeyAt, qint64 now) const;
    void begin(std::int16_t Button, int clicks, bool acted, qint64 keyMark, qint64 now);

    // The gesture: its button, the clicks and the action it has had, the last key that came
    // before it, and when its last step came.
    bool open_ = false;
    std::int16_t button_ = 0;
    int clicks_ = 0;
    bool acted_ = false;
    qint64 keyMark_ = 0;
    qint64 stepNow_ = 0;
    // The button down now: whether it went down where a screen reader clicks, and counted.
    std::int16_t down_ = 0;
    qint64 downAt_ = 0;
    bool downAtCentre_ = false;
    bool swallowed_ = false;
};
