// Cards for tests, by rank and suit: card number = rank + 8 * suit.
#pragma once

#include <cstdint>

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
