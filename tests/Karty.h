// Cards for tests, by rank and suit (card number = rank + 8 * suit), and the random numbers that
// deal them and set the computer's thresholds.
#pragma once

#include "engine/clsHra21.h"
#include "ui/runtime/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

enum Hodnost : std::int16_t {
    Eso = 0,
    Kral = 1,
    Svrsek = 2,
    Spodek = 3,
    Desitka = 4,
    Devitka = 5,
    Osma = 6,
    Sedma = 7
};
enum Barva : std::int16_t { Listy = 0, Kule = 1, Srdce = 2, Zaludy = 3 };

constexpr std::int16_t K(Hodnost hodnost, int barva = Listy)
{
    return static_cast<std::int16_t>(hodnost + 8 * barva);
}

// Scripts the next shuffle so that these cards come off the deck first, in this order; the rest
// of the deck follows in card order. Every card takes exactly one random number.
inline void ScriptDeck(Random& rnd, const std::vector<std::int16_t>& fromTop)
{
    std::array<int, 32> slot {};
    slot.fill(-1);
    int next = 31;
    for (const std::int16_t card : fromTop)
        slot[static_cast<std::size_t>(card)] = next--;
    for (int& s : slot)
        if (s < 0)
            s = next--;
    for (const int s : slot)
        rnd.Script((static_cast<float>(s) + 0.5f) / 32.0f);
}

// Scripts the computer's threshold for its next tick: one of those it draws (17 or 18).
inline void ScriptThreshold(Random& rnd, int threshold)
{
    for (int i = 0; i < clsHra21::PocetPrahuPC; ++i) {
        const float r = (static_cast<float>(i) + 0.5f) / clsHra21::PocetPrahuPC;
        if (clsHra21::PrahPC(r) == threshold)
            return rnd.Script(r);
    }
    ADD_FAILURE() << "the bank never draws the threshold " << threshold;
}
