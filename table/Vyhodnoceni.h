// Who takes the stake, from both hands' states and points. Every tie goes to the bank.
#pragma once

#include <cstdint>

enum class Vitez { Hrac, Pocitac };

// J, P: the hand states of the player and of the computer (1 three sevens, 2 two aces,
// 3 exactly 21, 4 over 21, 5 under 21); j, p: their points.
Vitez KdoVyhral(std::int16_t J, std::int16_t P, std::int16_t j, std::int16_t p);
