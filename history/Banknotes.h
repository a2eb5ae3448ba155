// The banknotes of the game: the index of a banknote button and its value in Kč.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::array<std::int32_t, 6> HodnotaBankovky = { 100, 200, 500, 1000, 2000, 5000 };

// The value of banknote `Index`; any other index is worth nothing.
constexpr std::int32_t HodnotaBankovkyOf(std::int16_t Index)
{
    return Index >= 0 && Index < static_cast<std::int16_t>(HodnotaBankovky.size())
        ? HodnotaBankovky[static_cast<std::size_t>(Index)]
        : 0;
}
