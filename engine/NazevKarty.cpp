#include "engine/NazevKarty.h"

#include "engine/Karta.h"

#include <array>

namespace {
enum Rod { Muzsky, Zensky, Stredni };

struct Hodnost {
    const char16_t* nazev;
    Rod rod;
};

// Ace, king, ober, unter, ten, nine, eight, seven: the suit's adjective follows the rank's gender.
constexpr std::array<Hodnost, KaretVBarve> Hodnosti = { {
    { u"eso", Stredni },
    { u"král", Muzsky },
    { u"svršek", Muzsky },
    { u"spodek", Muzsky },
    { u"desítka", Zensky },
    { u"devítka", Zensky },
    { u"osma", Zensky },
    { u"sedma", Zensky },
} };

// Leaves, bells, hearts, acorns; the stem takes the ending of the gender.
constexpr std::array<const char16_t*, 4> Barvy = { u"listov", u"kulov", u"srdcov", u"žaludsk" };
constexpr std::array<char16_t, 3> Koncovky = { u'ý', u'á', u'é' };
} // namespace

QString NazevKarty(std::int16_t cislo)
{
    if (cislo < 0 || cislo >= PocetKaret)
        return QString();
    const Hodnost& hodnost = Hodnosti[static_cast<std::size_t>(cislo % KaretVBarve)];
    return QString::fromUtf16(Barvy[static_cast<std::size_t>(cislo / KaretVBarve)]) + Koncovky[hodnost.rod] + u' '
        + QString::fromUtf16(hodnost.nazev);
}

QString NazevHodnosti(std::int16_t cislo)
{
    if (cislo < 0 || cislo >= PocetKaret)
        return QString();
    return QString::fromUtf16(Hodnosti[static_cast<std::size_t>(cislo % KaretVBarve)].nazev);
}
