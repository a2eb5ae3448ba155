// How much time passes: milliseconds on a clock that only runs on, never the time of day.
#pragma once

#include <QtGlobal>

#include <optional>

class Clock {
public:
    qint64 Ms() const;

    // Holds the clock at `ms`, so that a test says how much time passes between two steps.
    void Pretend(qint64 ms) { pretended_ = ms; }

private:
    std::optional<qint64> pretended_;
};
