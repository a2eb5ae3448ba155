#include "history/Penezenka.h"

#include "ui/runtime/NumberText.h"

std::int32_t Penezenka = 0;
std::int32_t PocatecniPenezenka = 0;

std::int32_t PocatecniCastka(QStringView prikazovyRadek)
{
    if (prikazovyRadek.isEmpty())
        return VychoziPenezenka;
    // Counted exactly, not through a binary fraction: 2.155 hundreds are 215.5 Kč, which go to the
    // even 216 Kč, where the nearest double (2.15499...) would give 215.
    const Decimal NejvyssiStovky { false, "1000000", 0 };
    Decimal stovky = LeadingNumber(prikazovyRadek);
    if (Compare(stovky, NejvyssiStovky) >= 0)
        return VychoziPenezenka;
    stovky.exponent += 2;
    // CLng stops at the smallest 32-bit amount instead of wrapping around.
    return CLng(stovky);
}
