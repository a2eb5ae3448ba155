#include "history/History.h"

#include <algorithm>
#include <cstdlib>

void History::Zaloz(std::int32_t castka)
{
    if (zaznamy_.empty()) {
        nejvyssi_ = castka;
        nejnizsi_ = castka;
    } else {
        ++hry_;
        vyhry_ += castka > zaznamy_.back() ? 1 : 0;
        prohry_ += castka < zaznamy_.back() ? 1 : 0;
        nejvyssi_ = std::max(nejvyssi_, castka);
        nejnizsi_ = std::min(nejnizsi_, castka);
    }
    zaznamy_.push_back(castka);
    if (zaznamy_.size() > static_cast<std::size_t>(Kapacita))
        zaznamy_.pop_front();
}

std::int32_t History::Ukaz(std::int16_t i) const
{
    // Widened before the absolute value: -32768 has none in 16 bits.
    const std::int32_t a = std::abs(static_cast<std::int32_t>(i));
    const auto n = static_cast<std::int32_t>(zaznamy_.size());
    if (a > n || i == 0)
        return 0;
    return zaznamy_[static_cast<std::size_t>(n - a)];
}

std::int16_t History::celkem() const
{
    return static_cast<std::int16_t>(zaznamy_.size());
}

History& TheHistory()
{
    static History history;
    return history;
}
