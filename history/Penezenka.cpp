#include "history/Penezenka.h"

#include "ui/NumberText.h"

std::int32_t Penezenka = 0;
std::int32_t PocatecniPenezenka = 0;

std::int32_t PocatecniCastka(QStringView prikazovyRadek)
{
    constexpr double NejvyssiStovky = 1000000.0;
    if (prikazovyRadek.isEmpty())
        return VychoziPenezenka;
    const double stovky = Val(prikazovyRadek);
    if (stovky >= NejvyssiStovky)
        return VychoziPenezenka;
    // CLng stops at the smallest 32-bit amount instead of wrapping around.
    return CLng(stovky * 100.0);
}
