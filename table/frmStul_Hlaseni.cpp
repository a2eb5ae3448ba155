// The table read out to a player who does not see it: each card as it comes, the stake, the
// computer's play and who won, in the order it happens, and a word where a key does nothing.
#include "table/frmStul.h"

#include "engine/NazevKarty.h"
#include "history/Penezenka.h"
#include "ui/Banknotes.h"

#include <utility>

namespace {
// "1 bod", "3 body", "21 bodů".
QString Bodu(std::int16_t body)
{
    const char16_t* slovo = body == 1 ? u"bod" : body >= 2 && body <= 4 ? u"body" : u"bodů";
    return QString::number(body) + u' ' + QString::fromUtf16(slovo);
}

// The hands that beat any points, by their names; nothing for the others.
QString Figura(std::int16_t stav)
{
    return stav == TriSedmy ? QStringLiteral("tři sedmy") : stav == DveEsa ? QStringLiteral("dvě esa") : QString();
}

// A hand in the outcome: its name if it has one, else its points.
QString Ruka(std::int16_t stav, std::int16_t body)
{
    const QString figura = Figura(stav);
    return figura.isEmpty() ? QString::number(body) : figura;
}

QString Kc(std::int32_t castka)
{
    return QString::number(castka) + QStringLiteral(" Kč");
}

// The purse and the notes it can pay: they are always the smallest ones, up to the largest offered.
QString PenezenkaANabidka()
{
    std::int32_t nejvetsi = 0;
    for (const std::int32_t hodnota : HodnotaBankovky)
        if (Penezenka >= hodnota)
            nejvetsi = hodnota;
    const QString nabidka = nejvetsi > 0 ? QStringLiteral(", bankovky do %1.").arg(Kc(nejvetsi))
                                         : QStringLiteral(", na bankovku nemáte.");
    return QStringLiteral("V peněžence %1").arg(Kc(Penezenka)) + nabidka;
}
} // namespace

void frmStul::OhlasZacatek()
{
    platform.announcer.Say(PenezenkaANabidka() + u' ' + lblNapoveda->Caption());
}

void frmStul::OhlasKartu_JA()
{
    const QString figura = Figura(Hra().UkazStav_JA());
    // The first card of a game asks for the stake, as the stake display does.
    const QString vyzva = Hra().PocetMychKaret() == 1 && Sazka == 0 ? QStringLiteral(" Sázejte !") : QString();
    platform.announcer.Say(QStringLiteral("Vaše karta: %1. Máte %2%3.")
                               .arg(NazevKarty(Hra().PosledniKarta()),
                                   figura.isEmpty() ? figura : figura + QStringLiteral(", "), Bodu(Hra().UkazBody_JA()))
        + vyzva);
}

void frmStul::OhlasVracenouSedmu_JA()
{
    platform.announcer.Say(QStringLiteral("Sedmu jste vrátil. Máte %1.").arg(Bodu(Hra().UkazBody_JA())));
}

void frmStul::OhlasSazku()
{
    platform.announcer.Say(QStringLiteral("Sázka %1. V peněžence %2.").arg(Kc(Sazka), Kc(Penezenka)));
}

// The computer draws every 800 ms, and a voice needs about two of them for a message: its cards are
// said by name alone, at most every other tick, the cards between with the next. A card after
// which it may stand waits for the outcome, which then goes first and is heard at once; the
// outcome tells the points.
void frmStul::OhlasKartu_PC()
{
    KartyKOhlaseni_PC << NazevHodnosti(Hra().PosledniKarta());
    if (std::exchange(MluvilMinule_PC, false) || Hra().TahPCMoznaKonci())
        return;
    QString karty = KartyKOhlaseni_PC.join(QStringLiteral(", "));
    const bool prvni = Hra().PocetPCKaret() == KartyKOhlaseni_PC.size();
    KartyKOhlaseni_PC.clear();
    MluvilMinule_PC = true;
    platform.announcer.Say(
        prvni ? QStringLiteral("Počítač: %1.").arg(karty) : karty.replace(0, 1, karty.at(0).toUpper()) + u'.');
}

void frmStul::OhlasVracenouSedmu_PC()
{
    VratilSedmu_PC = true;
}

void frmStul::OhlasVysledek(Vitez vitez)
{
    const std::int16_t stavJa = Hra().UkazStav_JA();
    const std::int16_t stavPc = Hra().UkazStav_PC();
    const QString ja = Ruka(stavJa, Hra().UkazBody_JA());
    const QString pc = Ruka(stavPc, Hra().UkazBody_PC());
    QString zprava = vitez == Vitez::Hrac ? QStringLiteral("Vyhrál jste, %1 proti %2").arg(ja, pc)
        : stavJa == stavPc && ja == pc    ? QStringLiteral("Vyhrál počítač, shoda %1").arg(pc)
                                          : QStringLiteral("Vyhrál počítač, %1 proti %2").arg(pc, ja);
    zprava += QStringLiteral(". ");
    if (VratilSedmu_PC)
        KartyKOhlaseni_PC << QStringLiteral("sedmu vrátil");
    if (!KartyKOhlaseni_PC.isEmpty())
        zprava += QStringLiteral("Počítač: %1. ").arg(KartyKOhlaseni_PC.join(QStringLiteral(", ")));
    KartyKOhlaseni_PC.clear();
    VratilSedmu_PC = false;
    zprava += Penezenka < 1 ? QStringLiteral("Vše jste prohrál.") : PenezenkaANabidka();
    platform.announcer.Say(zprava);
}
