#include "ui/runtime/Clock.h"

#include <chrono>

qint64 Clock::Ms() const
{
    if (pretended_)
        return *pretended_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
