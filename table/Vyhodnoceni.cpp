#include "table/Vyhodnoceni.h"

Vitez KdoVyhral(std::int16_t J, std::int16_t P, std::int16_t j, std::int16_t p)
{
    // The rows are tried in this order; the first that matches decides.
    if (J == 1)
        return Vitez::Hrac;
    if (J == 2 && P == 2)
        return Vitez::Pocitac;
    if (J == 2 && P != 1)
        return Vitez::Hrac;
    if (J == 3 && P != 1 && P != 2 && P != 3)
        return Vitez::Hrac;
    if (J == 5 && P == 5)
        return j > p ? Vitez::Hrac : Vitez::Pocitac;
    if (J == 4 && P == 4)
        return j < p ? Vitez::Hrac : Vitez::Pocitac;
    if (J == 5 && P == 4)
        return Vitez::Hrac;
    return Vitez::Pocitac;
}
