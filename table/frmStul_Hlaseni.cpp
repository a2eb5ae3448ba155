// When the table speaks to a player who does not see it, and of what: each card as it comes, the
// stake, the computer's play and who won, in the order it happens, a word where a key does nothing,
// and where the game stands for the screen reader's command that asks. The words themselves are in
// ui/access/Hlaseni, with every other sentence a screen reader is given.
#include "table/frmStul.h"

#include "engine/NazevKarty.h"
#include "history/Penezenka.h"
#include "ui/access/Hlaseni.h"

#include <utility>

namespace {
Hlaseni::Ruka Ruka(std::int16_t stav, std::int16_t body)
{
    using Hlaseni::Figura;
    return { stav == TriSedmy ? Figura::TriSedmy : stav == DveEsa ? Figura::DveEsa : Figura::Zadna, body };
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
    platform.announcer.Say(Hlaseni::Zacatek(Penezenka, lblNapoveda->Caption()));
}

void frmStul::OhlasKartu_JA()
{
    // The first card of a game asks for the stake, as the stake display does.
    platform.announcer.Say(
        Hlaseni::KartaHrace(NazevKarty(Hra().PosledniKarta()), Ruka(Hra().UkazStav_JA(), Hra().UkazBody_JA()),
            Hra().UkazBody_JA() > Jednadvacet, Hra().PocetMychKaret() == 1 && Sazka == 0));
}

void frmStul::OhlasVracenouSedmu_JA()
{
    platform.announcer.Say(Hlaseni::VracenaSedma(Hra().UkazBody_JA()));
}

void frmStul::OhlasSazku()
{
    platform.announcer.Say(Hlaseni::Sazka(Sazka));
}

// The computer draws every 800 ms, and a voice needs more than one tick for a message: its cards
// are said by name alone, at most every other tick, the cards between with the next. A card after
// which it may stand waits for the outcome, which then goes first and is heard at once; the
// outcome tells the points. The computer is named once in its turn.
void frmStul::OhlasKartu_PC()
{
    KartyKOhlaseni_PC << NazevHodnosti(Hra().PosledniKarta());
    if (std::exchange(MluvilMinule_PC, false) || PocitacMuzeStat(Hra()))
        return;
    MluvilMinule_PC = true;
    platform.announcer.Say(
        Hlaseni::KartyPocitace(std::exchange(KartyKOhlaseni_PC, {}), !std::exchange(MluvilVTahu_PC, true)));
}

void frmStul::OhlasVracenouSedmu_PC()
{
    VratilSedmu_PC = true;
}

void frmStul::OhlasVysledek(Vitez vitez)
{
    PosledniVysledek = Hlaseni::Vysledek(vitez == Vitez::Hrac, Ruka(Hra().UkazStav_JA(), Hra().UkazBody_JA()),
        Ruka(Hra().UkazStav_PC(), Hra().UkazBody_PC()));
    platform.announcer.Say(Hlaseni::KonecHry(PosledniVysledek, std::exchange(KartyKOhlaseni_PC, {}),
        std::exchange(VratilSedmu_PC, false), !MluvilVTahu_PC, Penezenka));
}

void frmStul::ObnovStav()
{
    using Hlaseni::Faze;
    const Faze faze = picRevolver->Visible()        ? Faze::BezPenez
        : tmrTah->Enabled()                         ? Faze::Pocitac
        : !HracNaTahu                               ? Faze::Rozdavani
        : Sazka == 0 && Hra().PocetMychKaret() == 1 ? Faze::Sazeni
                                                    : Faze::Hrac;
    platform.announcer.SetStatus(*this,
        Hlaseni::Stav(faze, Ruka(Hra().UkazStav_JA(), Hra().UkazBody_JA()), Hra().UkazBody_PC(), Sazka, Penezenka,
            PosledniVysledek));
}

QString frmStul::MimoTah() const
{
    return picRevolver->Visible() ? Hlaseni::NematePenize
        : tmrTah->Enabled()       ? Hlaseni::HrajePocitac
                                  : Hlaseni::NejprveRozdejte;
}
