// The Czech name of a card, as a player says it: "srdcové eso", "žaludská sedma".
#pragma once

#include <QString>

#include <cstdint>

QString NazevKarty(std::int16_t cislo);
