#include "ui/access/Hlaseni.h"

namespace {
// Czech counts with three forms: one, two to four, and the rest (none, five and more, and also
// 21 or 102, which are said "dvacet jedna korun").
QString sPocitanym(std::int64_t kolik, const char16_t* jeden, const char16_t* dvaAzCtyri, const char16_t* pet)
{
    const std::uint64_t n = kolik < 0 ? 0 - static_cast<std::uint64_t>(kolik) : static_cast<std::uint64_t>(kolik);
    // The word, since a voice may read the sign as a dash.
    return (kolik < 0 ? QStringLiteral("minus ") : QString()) + QString::number(n) + u' '
        + QString::fromUtf16(n == 1 ? jeden
                : n >= 2 && n <= 4  ? dvaAzCtyri
                                    : pet);
}

QString VelkymPismenem(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A hand by its name if it has one, else by its points; after "proti" in the dative.
QString Nazev(const Hlaseni::Ruka& ruka, bool poProti = false)
{
    switch (ruka.figura) {
    case Hlaseni::Figura::TriSedmy: return poProti ? QStringLiteral("třem sedmám") : QStringLiteral("tři sedmy");
    case Hlaseni::Figura::DveEsa: return poProti ? QStringLiteral("dvěma esům") : QStringLiteral("dvě esa");
    case Hlaseni::Figura::Zadna: break;
    }
    return QString::number(ruka.body);
}

QString VPenezence(std::int32_t penezenka)
{
    return QStringLiteral("V peněžence %1.").arg(Hlaseni::Korun(penezenka));
}

const QString Prohrano = QStringLiteral("Vše prohráno.");
const QString KonecPoKlavese = QStringLiteral(" Hru ukončí kterákoli klávesa.");
} // namespace

namespace Hlaseni {

QString Korun(std::int64_t castka)
{
    return sPocitanym(castka, u"koruna", u"koruny", u"korun");
}

QString Bodu(std::int64_t body)
{
    return sPocitanym(body, u"bod", u"body", u"bodů");
}

QString Zacatek(std::int32_t penezenka, const QString& napoveda)
{
    return VPenezence(penezenka) + u' ' + napoveda;
}

QString KartaHrace(const QString& karta, const Hlaseni::Ruka& ruka, bool pres, bool sazejte)
{
    return VelkymPismenem(karta) + QStringLiteral(", ")
        + (ruka.figura == Figura::Zadna ? QString() : Nazev(ruka) + QStringLiteral(", ")) + Bodu(ruka.body)
        + (pres ? QStringLiteral(", přes 21.") : QStringLiteral("."))
        + (sazejte ? QStringLiteral(" Sázejte !") : QString());
}

QString VracenaSedma(std::int16_t body)
{
    return QStringLiteral("Sedma vrácena, %1.").arg(Bodu(body));
}

QString Sazka(std::int32_t sazka)
{
    return QStringLiteral("Sázka %1.").arg(Korun(sazka));
}

QString KartyPocitace(const QStringList& hodnosti, bool prvni)
{
    const QString karty = hodnosti.join(QStringLiteral(", "));
    return prvni ? QStringLiteral("Počítač %1.").arg(karty) : VelkymPismenem(karty) + u'.';
}

QString Vysledek(bool vyhral, const Hlaseni::Ruka& hrac, const Hlaseni::Ruka& pocitac)
{
    if (!vyhral && hrac.figura == pocitac.figura && hrac.body == pocitac.body)
        return QStringLiteral("Prohra, shoda %1.").arg(Nazev(hrac));
    return QStringLiteral("%1 %2 proti %3.")
        .arg(vyhral ? QStringLiteral("Výhra") : QStringLiteral("Prohra"), Nazev(hrac), Nazev(pocitac, true));
}

QString KonecHry(
    const QString& vysledek, QStringList hodnosti, bool vratilSedmu, bool prvniKarty, std::int32_t penezenka)
{
    if (vratilSedmu)
        hodnosti << QStringLiteral("sedmu vrátil");
    return vysledek + u' ' + (hodnosti.isEmpty() ? QString() : KartyPocitace(hodnosti, prvniKarty) + u' ')
        + (penezenka < 1 ? Prohrano : VPenezence(penezenka));
}

QString Stav(Faze faze, const Hlaseni::Ruka& hrac, std::int16_t bodyPocitace, std::int32_t sazka,
    std::int32_t penezenka, const QString& posledniVysledek)
{
    const QString mate = QStringLiteral("máte %1").arg(hrac.figura == Figura::Zadna ? Bodu(hrac.body) : Nazev(hrac));
    const QString penize = QStringLiteral("Sázka %1, v peněžence %2.").arg(Korun(sazka), Korun(penezenka));
    const QString minule = posledniVysledek.isEmpty() ? QString() : posledniVysledek + u' ';
    switch (faze) {
    case Faze::Rozdavani: return QStringLiteral("Rozdejte karty. ") + minule + VPenezence(penezenka);
    case Faze::BezPenez: return NematePenize + u' ' + minule + VPenezence(penezenka);
    case Faze::Sazeni: return QStringLiteral("Sázejte, %1. ").arg(mate) + VPenezence(penezenka);
    case Faze::Hrac: return QStringLiteral("Hrajete, %1. ").arg(mate) + penize;
    case Faze::Pocitac: return QStringLiteral("Hraje počítač, %1, počítač %2. ").arg(mate).arg(bodyPocitace) + penize;
    }
    return QString();
}

QString UzNelze(std::int16_t body)
{
    return QStringLiteral("Už nelze, máte %1.").arg(Bodu(body));
}

QString NaToNemate(std::int32_t bankovka, std::int32_t penezenka)
{
    return QStringLiteral("Na %1 nemáte, v peněžence %2.").arg(Korun(bankovka), Korun(penezenka));
}

QString NesloByVyplatit(std::int32_t bankovka)
{
    return QStringLiteral("Sázku o %1 vyšší by nešlo vyplatit.").arg(Korun(bankovka));
}

QString NemateVsazeno(std::int32_t bankovka)
{
    return QStringLiteral("%1 nemáte vsazeno.").arg(Korun(bankovka));
}

QString Souhrn(std::int32_t hry, std::int32_t vyhry, std::int32_t prohry, std::int32_t zacatek, std::int32_t nejvice,
    std::int32_t nejmene, std::int32_t naposledy)
{
    return QStringLiteral("Odehraných her %1, vyhraných %2, prohraných %3. V peněžence na začátku %4, nejvíce %5, "
                          "nejméně %6, naposledy %7.")
        .arg(QString::number(hry), QString::number(vyhry), QString::number(prohry), Korun(zacatek), Korun(nejvice),
            Korun(nejmene), Korun(naposledy));
}

QString Vyplaceno(std::int64_t castka)
{
    return QStringLiteral("Vyplaceno %1.").arg(Korun(castka)) + KonecPoKlavese;
}

QString VseProhrano()
{
    return Prohrano + KonecPoKlavese;
}

} // namespace Hlaseni
