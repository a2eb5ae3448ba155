// A card and the deck's constants: its number, rank and value, and the hand states the values
// make. Shared by the engine and the cards' Czech names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One slot of the deck.
struct Karta {
    std::int16_t Cislo = 0;
    std::int16_t Rezerva = 0;
    std::int16_t Hodnota = 0;

    friend bool operator==(const Karta&, const Karta&) = default;
};

// Card number 0..31: suit = number / 8, rank = number % 8.
constexpr std::int16_t PocetKaret = 32;
constexpr std::int16_t KaretVBarve = 8;

// Point values by rank: ace, king, ober, unter, ten, nine, eight, seven.
constexpr std::array<std::int16_t, KaretVBarve> HodnotaHodnosti = { 11, 2, 1, 1, 10, 9, 8, 7 };
constexpr std::int16_t HodnotaEsa = 11;
constexpr std::int16_t HodnotaSedmy = 7;
constexpr std::int16_t Jednadvacet = 21;

constexpr std::int16_t HodnotaKarty(std::int16_t cislo)
{
    return HodnotaHodnosti[static_cast<std::size_t>(cislo % KaretVBarve)];
}

// Hand state codes, best first.
enum Stav : std::int16_t { TriSedmy = 1, DveEsa = 2, PresneJednadvacet = 3, Pres = 4, Pod = 5 };

// The state of an ordinary hand (no special one) with these points.
constexpr std::int16_t StavPodleBodu(std::int16_t body)
{
    return body == Jednadvacet ? PresneJednadvacet : body > Jednadvacet ? Pres : Pod;
}
