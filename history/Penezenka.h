// The player's money for the whole run, and the starting amount taken from the command line.
#pragma once

#include <QStringView>

#include <cstdint>

// The purse: the player's money outside the stake.
extern std::int32_t Penezenka;
// The purse right after start-up; never changed afterwards.
extern std::int32_t PocatecniPenezenka;

constexpr std::int32_t VychoziPenezenka = 1000;

// The starting purse from the command line, which counts in hundreds of Kč: 1000 Kč when there
// is none or it reads 1000000 or more; below the smallest 32-bit amount it stops there.
std::int32_t PocatecniCastka(QStringView prikazovyRadek);
