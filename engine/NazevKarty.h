// The Czech name of a card, as a player says it: "srdcové eso", "žaludská sedma".
#pragma once

#include <QString>

#include <cstdint>

QString NazevKarty(std::int16_t cislo);
// The rank alone, "eso", "sedma": all that counts of the computer's cards.
QString NazevHodnosti(std::int16_t cislo);
