// The table read out to a player who does not see it: each card as it comes, the stake, the
// computer's play and who won, in the order it happens.
#include "table/frmStul.h"

#include "engine/NazevKarty.h"
#include "history/Penezenka.h"

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

QString Kc(std::int32_t castka)
{
    return QString::number(castka) + QStringLiteral(" Kč");
}
} // namespace

void frmStul::OhlasKartu_JA()
{
    const QString figura = Figura(Hra().UkazStav_JA());
    platform.announcer.Say(
        QStringLiteral("Vaše karta: %1. Máte %2%3.")
            .arg(NazevKarty(Hra().PosledniKarta()), figura.isEmpty() ? figura : figura + QStringLiteral(", "),
                Bodu(Hra().UkazBody_JA())));
}

void frmStul::OhlasVracenouSedmu_JA()
{
    platform.announcer.Say(QStringLiteral("Sedmu jste vrátil. Máte %1.").arg(Bodu(Hra().UkazBody_JA())));
}

void frmStul::OhlasSazku()
{
    platform.announcer.Say(QStringLiteral("Sázka %1. V peněžence %2.").arg(Kc(Sazka), Kc(Penezenka)));
}

// The computer draws faster than a voice reads: a card that comes while the last message is still
// being read out waits, and goes with the next one, so that the voice never falls behind the table.
void frmStul::OhlasKartu_PC()
{
    KartyKOhlaseni_PC << NazevKarty(Hra().PosledniKarta());
    BodyKOhlaseni_PC = Hra().UkazBody_PC();
    if (HlasZbyvaMs > 0)
        return;
    const QString zprava = NeohlaseneKarty_PC();
    HlasZbyvaMs = Announcer::SpeakingMs(zprava);
    platform.announcer.Say(zprava);
}

QString frmStul::NeohlaseneKarty_PC()
{
    if (KartyKOhlaseni_PC.isEmpty())
        return QString();
    const QString karty = KartyKOhlaseni_PC.join(QStringLiteral(", "));
    KartyKOhlaseni_PC.clear();
    return QStringLiteral("Počítač: %1, %2. ").arg(karty, Bodu(BodyKOhlaseni_PC));
}

void frmStul::OhlasVracenouSedmu_PC()
{
    // Its turn ends here: what was not yet read goes with it.
    platform.announcer.Say(
        NeohlaseneKarty_PC() + QStringLiteral("Počítač vrátil sedmu, má %1.").arg(Bodu(Hra().UkazBody_PC())));
}

void frmStul::OhlasVysledek(Vitez vitez)
{
    const bool hrac = vitez == Vitez::Hrac;
    const std::int16_t stav = hrac ? Hra().UkazStav_JA() : Hra().UkazStav_PC();
    QString zprava = NeohlaseneKarty_PC();
    if (const QString figura = Figura(stav); !figura.isEmpty())
        zprava += (hrac ? QStringLiteral("Máte %1! ") : QStringLiteral("Počítač má %1. ")).arg(figura);
    zprava += hrac ? QStringLiteral("Vyhrál jste. ") : QStringLiteral("Vyhrál počítač. ");
    zprava
        += Penezenka < 1 ? QStringLiteral("Vše jste prohrál.") : QStringLiteral("V peněžence %1.").arg(Kc(Penezenka));
    platform.announcer.Say(zprava);
}
