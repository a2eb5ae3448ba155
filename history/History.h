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

    // Over the whole run, older amounts dropped or not: the games (each adds an amount after the
    // first), those that left the purse fuller and emptier, and the highest and lowest amount.
    std::int32_t Hry() const { return hry_; }
    std::int32_t Vyhry() const { return vyhry_; }
    std::int32_t Prohry() const { return prohry_; }
    std::int32_t Nejvyssi() const { return nejvyssi_; }
    std::int32_t Nejnizsi() const { return nejnizsi_; }

private:
    std::deque<std::int32_t> zaznamy_;
    std::int32_t hry_ = 0;
    std::int32_t vyhry_ = 0;
    std::int32_t prohry_ = 0;
    std::int32_t nejvyssi_ = 0;
    std::int32_t nejnizsi_ = 0;
};

// The one history of the run, created empty on first use.
History& TheHistory();
