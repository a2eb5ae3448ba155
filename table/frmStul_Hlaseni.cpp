// The table read out to a player who does not see it: each card as it comes, the stake, the
// computer's play and who won, in the order it happens, and a word where a key does nothing.
// Short, for the ear: no colon or dash, which a voice reads out as a word, and amounts as plain
// digits, which it reads as one number; grouped ones it misreads.
#include "table/frmStul.h"

#include "engine/NazevKarty.h"
#include "history/Penezenka.h"

#include <utility>

namespace {
// "1 bod", "3 body", "21 bodů".
QString Bodu(std::int16_t body)
{
    const char16_t* slovo = body == 1 ? u"bod" : body >= 2 && body <= 4 ? u"body" : u"bodů";
    return QString::number(body) + u' ' + QString::fromUtf16(slovo);
}

// The hands that beat any points, by their names, as the subject or after "proti"; nothing for
// the others.
QString Figura(std::int16_t stav, bool poProti = false)
{
    if (stav == TriSedmy)
        return poProti ? QStringLiteral("třem sedmám") : QStringLiteral("tři sedmy");
    if (stav == DveEsa)
        return poProti ? QStringLiteral("dvěma esům") : QStringLiteral("dvě esa");
    return QString();
}

// A hand in the outcome: its name if it has one, else its points.
QString Ruka(std::int16_t stav, std::int16_t body, bool poProti = false)
{
    const QString figura = Figura(stav, poProti);
    return figura.isEmpty() ? QString::number(body) : figura;
}

QString VelkymPismenem(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString VPenezence()
{
    return QStringLiteral("V peněžence %1.").arg(Penezenka);
}

// Whether the computer may stand at its next tick, whichever threshold it draws then.
bool PocitacMuzeStat(const clsHra21& hra)
{
    for (const std::int16_t T : clsHra21::PrahyPC)
        if (clsHra21::RozhodniTahPC(hra.UkazBody_PC(), hra.PocetPCKaret(), hra.PosledniHodnota_PC(), T)
            != clsHra21::TahPC::Snima)
            return true;
    return false;
}
} // namespace

void frmStul::OhlasZacatek()
{
    platform.announcer.Say(VPenezence() + u' ' + lblNapoveda->Caption());
}

void frmStul::OhlasKartu_JA()
{
    const std::int16_t body = Hra().UkazBody_JA();
    const QString figura = Figura(Hra().UkazStav_JA());
    QString zprava = VelkymPismenem(NazevKarty(Hra().PosledniKarta())) + QStringLiteral(", ")
        + (figura.isEmpty() ? QString() : figura + QStringLiteral(", ")) + Bodu(body);
    if (body > Jednadvacet)
        zprava += QStringLiteral(", přes 21");
    zprava += u'.';
    // The first card of a game asks for the stake, as the stake display does.
    if (Hra().PocetMychKaret() == 1 && Sazka == 0)
        zprava += QStringLiteral(" Sázejte !");
    platform.announcer.Say(zprava);
}

void frmStul::OhlasVracenouSedmu_JA()
{
    platform.announcer.Say(QStringLiteral("Sedma vrácena, %1.").arg(Bodu(Hra().UkazBody_JA())));
}

void frmStul::OhlasSazku()
{
    platform.announcer.Say(QStringLiteral("Sázka %1.").arg(Sazka));
}

// The computer draws every 800 ms, and a voice needs more than one tick for a message: its cards
// are said by name alone, at most every other tick, the cards between with the next. A card after
// which it may stand waits for the outcome, which then goes first and is heard at once; the
// outcome tells the points.
void frmStul::OhlasKartu_PC()
{
    KartyKOhlaseni_PC << NazevHodnosti(Hra().PosledniKarta());
    if (std::exchange(MluvilMinule_PC, false) || PocitacMuzeStat(Hra()))
        return;
    const QString karty = KartyKOhlaseni_PC.join(QStringLiteral(", "));
    const bool prvni = Hra().PocetPCKaret() == KartyKOhlaseni_PC.size();
    KartyKOhlaseni_PC.clear();
    MluvilMinule_PC = true;
    platform.announcer.Say(prvni ? QStringLiteral("Počítač %1.").arg(karty) : VelkymPismenem(karty) + u'.');
}

void frmStul::OhlasVracenouSedmu_PC()
{
    VratilSedmu_PC = true;
}

// The player's hand first: "Výhra 21 proti 16", "Prohra 19 proti 20"; a tie, which the bank
// takes, by the one hand both hold.
void frmStul::OhlasVysledek(Vitez vitez)
{
    const std::int16_t stavJa = Hra().UkazStav_JA();
    const std::int16_t stavPc = Hra().UkazStav_PC();
    const std::int16_t bodyJa = Hra().UkazBody_JA();
    const std::int16_t bodyPc = Hra().UkazBody_PC();
    QString zprava = vitez == Vitez::Pocitac && stavJa == stavPc && bodyJa == bodyPc
        ? QStringLiteral("Prohra, shoda %1. ").arg(Ruka(stavJa, bodyJa))
        : QStringLiteral("%1 %2 proti %3. ")
              .arg(vitez == Vitez::Hrac ? QStringLiteral("Výhra") : QStringLiteral("Prohra"), Ruka(stavJa, bodyJa),
                  Ruka(stavPc, bodyPc, true));
    if (VratilSedmu_PC)
        KartyKOhlaseni_PC << QStringLiteral("sedmu vrátil");
    if (!KartyKOhlaseni_PC.isEmpty())
        zprava += QStringLiteral("Počítač %1. ").arg(KartyKOhlaseni_PC.join(QStringLiteral(", ")));
    KartyKOhlaseni_PC.clear();
    VratilSedmu_PC = false;
    zprava += Penezenka < 1 ? QStringLiteral("Vše prohráno.") : VPenezence();
    platform.announcer.Say(zprava);
}

QString frmStul::MimoTah() const
{
    return picRevolver->Visible() ? QStringLiteral("Nemáte peníze.")
        : tmrTah->Enabled()       ? QStringLiteral("Počkejte, hraje počítač.")
                                  : QStringLiteral("Nejprve rozdejte karty.");
}
