#include "engine/clsHra21.h"

#include "engine/NazevKarty.h"
#include "ui/runtime/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {
// Rezerva of a card given back during the game: it stays in its slot but no side holds it.
constexpr std::int16_t Vracena = 1;

constexpr int OdstupPrvniRady = 8;
constexpr int OdstupDruheRady = 38;
} // namespace

clsHra21::clsHra21(StulProHru stul, Random& rnd)
    : stul_(stul)
    , rnd_(rnd)
{
}

void clsHra21::Zamichej()
{
    stul_.picKarta(0).SetVisible(false);
    for (std::int16_t i = 1; i <= stul_.picKarta.UBound(); ++i)
        stul_.picKarta.Unload(i);

    for (Karta& slot : Balicek)
        slot.Hodnota = 0;
    for (std::int16_t i = 0; i < PocetKaret; ++i) {
        std::int16_t j;
        do {
            // Rnd() lies in [0, 1); the clamp only keeps a stray value from reaching outside the deck.
            j = std::clamp<std::int16_t>(static_cast<std::int16_t>(rnd_.Rnd() * 32.0f), 0, PocetKaret - 1);
        } while (Balicek[static_cast<std::size_t>(j)].Hodnota != 0);
        Balicek[static_cast<std::size_t>(j)] = { i, 0, HodnotaKarty(i) };
    }

    Vrchni = PocetKaret - 1;
    Body_JA = 0;
    stul_.lblBody_JA.SetCaption(CStr(Body_JA));
    Body_PC = 0;
    stul_.lblBody_PC.SetCaption(CStr(Body_PC));
    Pocet_JA = 0;
    Pocet_PC = 0;
    PocetObrazku = 0;
}

void clsHra21::Snimam_JA()
{
    // An empty deck never happens in play; a draw from it takes nothing.
    if (Vrchni < 0)
        return;
    const std::int16_t c = Balicek[static_cast<std::size_t>(Vrchni)].Hodnota;

    if (PocetObrazku == 0) {
        Body_JA = 0;
        X_JA = CInt(stul_.lblBody_JA.Left());
        Y_JA = CInt(stul_.lblBody_JA.Top() + stul_.lblBody_JA.Height() + OdstupPrvniRady);
    } else {
        stul_.picKarta.Load(PocetObrazku);
        UmistiKartu(stul_.lblBody_JA, Pocet_JA, X_JA, Y_JA);
    }
    stul_.picKarta(PocetObrazku).Move(X_JA, Y_JA);
    UkazKartu(QStringLiteral("Vaše karta "));

    Zapocitej(c, Pocet_JA, Body_JA, Stav_JA);
    stul_.lblBody_JA.SetCaption(CStr(Body_JA));
    PoSnimani(c, Pocet_JA);
}

void clsHra21::Snima_PC()
{
    if (Vrchni < 0)
        return;
    const std::int16_t c = Balicek[static_cast<std::size_t>(Vrchni)].Hodnota;

    stul_.picKarta.Load(PocetObrazku);
    UmistiKartu(stul_.lblBody_PC, Pocet_PC, X_PC, Y_PC);
    stul_.picKarta(PocetObrazku).Move(X_PC, Y_PC);
    UkazKartu(QStringLiteral("Karta počítače "));

    Zapocitej(c, Pocet_PC, Body_PC, Stav_PC);
    stul_.lblBody_PC.SetCaption(CStr(Body_PC));
    PoSnimani(c, Pocet_PC);
}

// The card of value c is taken off the deck by a side holding Pocet cards: it goes onto the
// history of the last three values, and the counters move on.
void clsHra21::PoSnimani(std::int16_t c, std::int16_t& Pocet)
{
    Predpredposledni = Predposledni;
    Predposledni = Posledni;
    Posledni = c;

    ++PocetObrazku;
    --Vrchni;
    ++Pocet;
}

void clsHra21::ChciVratitSedmu()
{
    VratSedmu(Pocet_JA, Body_JA, Stav_JA, stul_.lblBody_JA);
}

void clsHra21::PCVraciSedmu()
{
    VratSedmu(Pocet_PC, Body_PC, Stav_PC, stul_.lblBody_PC);
}

clsHra21::TahPC clsHra21::TahPocitace()
{
    const std::int16_t T = PrahPC(rnd_.Rnd());
    const TahPC tah = RozhodniTahPC(UkazBody_PC(), PocetPCKaret(), PosledniHodnota_PC(), T);
    switch (tah) {
    case TahPC::Snima: Snima_PC(); break;
    case TahPC::VratilSedmu: PCVraciSedmu(); break;
    case TahPC::Stoji: break;
    }
    return tah;
}

void clsHra21::UkazKartu(const QString& cija)
{
    const int W = stul_.cmdRub.Width();
    const int H = stul_.cmdRub.Height();
    const std::int16_t n = Balicek[static_cast<std::size_t>(Vrchni)].Cislo;
    stul_.pclKarty.ClipX = CInt(static_cast<double>(W) * (n % KaretVBarve));
    stul_.pclKarty.ClipY = CInt(static_cast<double>(H) * (n / KaretVBarve));
    PictureBox& obrazek = stul_.picKarta(PocetObrazku);
    obrazek.SetPicture(stul_.pclKarty.Clip());
    obrazek.SetAccessibleName(cija + NazevKarty(n));
    obrazek.SetVisible(true);
    obrazek.ZOrder();
}

// The number of half-card steps between the label's left edge and the deck.
std::int16_t clsHra21::RadaKaret(const Label& lblBody) const
{
    const double W = stul_.cmdRub.Width();
    return CInt(2.0 * std::floor((stul_.cmdRub.Left() - lblBody.Left()) / W));
}

void clsHra21::UmistiKartu(const Label& lblBody, std::int16_t k, std::int16_t& X, std::int16_t& Y) const
{
    // With the deck less than a card's width right of the label no card fits the first row; the
    // second row still starts at the label rather than further right.
    const std::int16_t R = std::max<std::int16_t>(RadaKaret(lblBody), 0);
    const std::int32_t S = IntDiv(CLng(stul_.cmdRub.Width()), 2);
    const double spodek = lblBody.Top() + lblBody.Height();
    if (k < R) {
        X = CInt(lblBody.Left() + static_cast<double>(S) * k);
        Y = CInt(spodek + OdstupPrvniRady);
    } else {
        X = CInt(lblBody.Left() + static_cast<double>(S) * (k - R));
        Y = CInt(spodek + OdstupDruheRady);
    }
}

// Points and hand state after drawing a card of value c while holding Pocet cards. The history
// still holds the side's own earlier cards: the player draws all before the computer.
void clsHra21::Zapocitej(std::int16_t c, std::int16_t Pocet, std::int16_t& Body, std::int16_t& Stav) const
{
    if (Pocet + 1 == 3 && Predposledni == HodnotaSedmy && Posledni == HodnotaSedmy && c == HodnotaSedmy) {
        Body = Jednadvacet;
        Stav = TriSedmy;
    } else if (Pocet + 1 == 2 && Posledni == HodnotaEsa && c == HodnotaEsa) {
        Body = Jednadvacet;
        Stav = DveEsa;
    } else {
        Body = static_cast<std::int16_t>(Body + c);
        Stav = StavPodleBodu(Body);
    }
}

void clsHra21::VratSedmu(std::int16_t& Pocet, std::int16_t& Body, std::int16_t& Stav, Label& lblBody)
{
    if (Posledni != HodnotaSedmy)
        return;
    // The history may still name a seven from before the side's cards (an earlier game, or the
    // oldest entry doubled by a return): with nothing in hand there is nothing to give back.
    if (Pocet <= 0 || PocetObrazku <= 0)
        return;

    --PocetObrazku;
    --Pocet;
    if (PocetObrazku > 0)
        stul_.picKarta.Unload(PocetObrazku);
    else
        stul_.picKarta(0).SetVisible(false);

    Body = static_cast<std::int16_t>(Body - HodnotaSedmy);
    lblBody.SetCaption(CStr(Body));

    // The card drawn last and still held is the seven given back.
    for (std::int16_t slot = Vrchni + 1; slot < PocetKaret; ++slot) {
        if (Balicek[static_cast<std::size_t>(slot)].Rezerva != Vracena) {
            Balicek[static_cast<std::size_t>(slot)].Rezerva = Vracena;
            break;
        }
    }
    Posledni = Predposledni;
    Predposledni = Predpredposledni;
    // A second return in a row would otherwise bring back a doubled value instead of the card
    // before: refill the oldest entry from the cards still held, when there are enough of them.
    if (const std::int16_t hodnota = HodnotaDrzeneKarty(2); hodnota != 0)
        Predpredposledni = hodnota;

    Stav = StavPodleBodu(Body);
}

// The value of a card drawn in this game and still held, counted back from the last one (0);
// 0 when there is no such card.
std::int16_t clsHra21::HodnotaDrzeneKarty(std::int16_t odKonce) const
{
    for (std::int16_t slot = Vrchni + 1; slot < PocetKaret; ++slot) {
        const Karta& karta = Balicek[static_cast<std::size_t>(slot)];
        if (karta.Rezerva == Vracena)
            continue;
        if (odKonce-- == 0)
            return karta.Hodnota;
    }
    return 0;
}
