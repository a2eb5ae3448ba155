#include "table/Vyhodnoceni.h"

#include "engine/clsHra21.h"

Vitez KdoVyhral(std::int16_t J, std::int16_t P, std::int16_t j, std::int16_t p)
{
    // The rows are tried in this order; the first that matches decides.
    if (J == TriSedmy)
        return Vitez::Hrac;
    if (J == DveEsa && P == DveEsa)
        return Vitez::Pocitac;
    if (J == DveEsa && P != TriSedmy)
        return Vitez::Hrac;
    if (J == PresneJednadvacet && P != TriSedmy && P != DveEsa && P != PresneJednadvacet)
        return Vitez::Hrac;
    if (J == Pod && P == Pod)
        return j > p ? Vitez::Hrac : Vitez::Pocitac;
    if (J == Pres && P == Pres)
        return j < p ? Vitez::Hrac : Vitez::Pocitac;
    if (J == Pod && P == Pres)
        return Vitez::Hrac;
    return Vitez::Pocitac;
}
