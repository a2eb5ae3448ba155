// The purse after every game of the run, newest last; at most 500 amounts.
#pragma once

#include <cstdint>
#include <deque>

class History {
public:
    static constexpr std::int16_t Kapacita = 500;

    // Appends an amount; the oldest goes once there are more than 500.
    void Zaloz(std::int32_t castka);
    // Counted back from the newest: Ukaz(1) is the newest amount, Ukaz(celkem()) the oldest held.
    // A negative position counts as its absolute value; 0 or a position beyond the records gives 0.
    std::int32_t Ukaz(std::int16_t i) const;
    std::int16_t celkem() const;

private:
    std::deque<std::int32_t> zaznamy_;
};

// The one history of the run, created empty on first use.
History& TheHistory();
