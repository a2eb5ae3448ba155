// The engine on the real table controls, with scripted and seeded random numbers.
#include "Karty.h"
#include "engine/clsHra21.h"
#include "history/Banknotes.h"
#include "ui/designs/frmStulDesign.h"
#include "ui/runtime/NumberText.h"
#include "ui/system/Platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

// What the rules say each rank is worth, written out apart from the engine's own table.
int ocekavanaHodnota(std::int16_t cislo)
{
    switch (cislo % 8) {
    case Eso: return 11;
    case Kral: return 2;
    case Svrsek:
    case Spodek: return 1;
    case Desitka: return 10;
    case Devitka: return 9;
    case Osma: return 8;
    default: return 7;
    }
}

constexpr int SirkaKarty = 120;
constexpr int VyskaKarty = 200;

// A card-face sheet whose every pixel differs from every other, so that a picture cut from the
// wrong place, or of the wrong size, never compares equal.
const QImage& licniStrany()
{
    static const QImage obraz = [] {
        QImage image(8 * SirkaKarty, 4 * VyskaKarty, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8));
        }
        return image;
    }();
    return obraz;
}

QImage licniStrana(std::int16_t cislo)
{
    return licniStrany().copy(SirkaKarty * (cislo % 8), VyskaKarty * (cislo / 8), SirkaKarty, VyskaKarty);
}

class EngineTest : public ::testing::Test {
protected:
    EngineTest()
    {
        stul.pclKarty.SetPicture(QPixmap::fromImage(licniStrany()));
        stul.pclKarty.ClipWidth = SirkaKarty;
        stul.pclKarty.ClipHeight = VyskaKarty;
    }

    ~EngineTest() override { smazOdlozene(); }

    // Unloaded pictures go at the next turn of the event loop, which tests do not run.
    static void smazOdlozene() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Shuffles so that these cards are drawn first, in this order.
    void Rozdej(const std::vector<std::int16_t>& odShora)
    {
        ScriptDeck(platform.rnd, odShora);
        hra.Zamichej();
        ASSERT_EQ(platform.rnd.ScriptedLeft(), 0u);
    }

    // A new game in which the player draws these cards, then the computer those.
    void Hraj(const std::vector<std::int16_t>& hrac, const std::vector<std::int16_t>& pocitac = {})
    {
        std::vector<std::int16_t> poradi = hrac;
        poradi.insert(poradi.end(), pocitac.begin(), pocitac.end());
        Rozdej(poradi);
        for (std::size_t i = 0; i < hrac.size(); ++i)
            hra.Snimam_JA();
        for (std::size_t i = 0; i < pocitac.size(); ++i)
            hra.Snima_PC();
    }

    void Prah(int T) { ScriptThreshold(platform.rnd, T); }

    PictureBox& obrazek(std::int16_t i) { return stul.picKarta(i); }

    int viditelneObrazky() const
    {
        int pocet = 0;
        for (std::int16_t i = 0; i <= stul.picKarta.UBound(); ++i)
            if (stul.picKarta.Exists(i) && stul.picKarta(i).Visible())
                ++pocet;
        return pocet;
    }

    // Whether the widget lies above every other visible control of the window.
    static bool zepredu(const QWidget& widget)
    {
        const QObjectList& sourozenci = widget.parentWidget()->children();
        for (auto it = sourozenci.rbegin(); it != sourozenci.rend(); ++it) {
            const auto* w = qobject_cast<const QWidget*>(*it);
            if (w && !w->isHidden())
                return w == &widget;
        }
        return false;
    }

    static bool ukazuje(const PictureBox& obr, std::int16_t cislo)
    {
        return obr.Picture().toImage().convertToFormat(QImage::Format_RGB32) == licniStrana(cislo);
    }

    // Everything a call could change, to see that it changed nothing.
    struct Snimek {
        std::array<Karta, 32> balicek;
        std::int16_t vrchni, obrazku, ja, pc, bodyJa, bodyPc, stavJa, stavPc;
        std::array<std::int16_t, 3> historie;
        QString popisekJa, popisekPc;
        int prvkuPole, viditelnych;
        bool operator==(const Snimek&) const = default;
    };

    Snimek snimek() const
    {
        const auto h = hra.UkazHistorii();
        return { hra.UkazBalicek(), hra.UkazVrchni(), hra.UkazPocetObrazku(), hra.PocetMychKaret(), hra.PocetPCKaret(),
            hra.UkazBody_JA(), hra.UkazBody_PC(), hra.UkazStav_JA(), hra.UkazStav_PC(),
            { h.Predpredposledni, h.Predposledni, h.Posledni }, stul.lblBody_JA->Caption(), stul.lblBody_PC->Caption(),
            stul.picKarta.Count(), viditelneObrazky() };
    }

    Platform platform;
    frmStulDesign stul { platform, HodnotaBankovky };
    clsHra21 hra { StulProHru { stul.picKarta, *stul.lblBody_JA, *stul.lblBody_PC, *stul.cmdRub, stul.pclKarty },
        platform.rnd };
};

using Shuffle = EngineTest;
using Draw = EngineTest;
using CardPictures = EngineTest;
using ComputersRule = EngineTest;
using ComputersTurn = EngineTest;
using SevenReturn = EngineTest;
using EngineGames = EngineTest;

} // namespace

// ---- Shuffle ----

TEST_F(Shuffle, LeavesEveryCardInExactlyOneSlotWithItsValue)
{
    // A returned seven leaves a mark in its slot; the next shuffle must not carry it over.
    Hraj({ K(Sedma) });
    hra.ChciVratitSedmu();
    platform.rnd.Seed(7);
    for (int hra_ = 0; hra_ < 20; ++hra_) {
        hra.Zamichej();
        std::array<int, 32> kolikrat {};
        int soucet = 0;
        for (const Karta& slot : hra.UkazBalicek()) {
            ASSERT_GE(slot.Cislo, 0);
            ASSERT_LT(slot.Cislo, 32);
            ++kolikrat[static_cast<std::size_t>(slot.Cislo)];
            EXPECT_EQ(slot.Hodnota, ocekavanaHodnota(slot.Cislo)) << "card " << slot.Cislo;
            EXPECT_EQ(slot.Rezerva, 0);
            soucet += slot.Hodnota;
        }
        EXPECT_TRUE(std::all_of(kolikrat.begin(), kolikrat.end(), [](int n) { return n == 1; }));
        EXPECT_EQ(soucet, 196);
    }
}

TEST_F(Shuffle, TakesTheSlotFromTheWholePartOfThirtyTwoTimesTheRandomNumber)
{
    const float skoroJedna = std::nextafter(1.0f, 0.0f);
    platform.rnd.Seed(1);
    platform.rnd.Script({
        0.0f, // card 0 -> slot 0
        skoroJedna, // card 1 -> slot 31
        0.0f, skoroJedna, 0.5f, // card 2: slots 0 and 31 are taken, so it tries again -> 16
        std::nextafter(2.0f / 32, 0.0f), // card 3 -> slot 1, just below the edge of slot 2
    });
    hra.Zamichej();
    EXPECT_EQ(platform.rnd.ScriptedLeft(), 0u);
    const auto& balicek = hra.UkazBalicek();
    EXPECT_EQ(balicek[0].Cislo, 0);
    EXPECT_EQ(balicek[31].Cislo, 1);
    EXPECT_EQ(balicek[16].Cislo, 2);
    EXPECT_EQ(balicek[1].Cislo, 3);
}

TEST_F(Shuffle, ClearsTheTableButKeepsHandStatesAndTheHistory)
{
    // Two aces for the player, then nine pictures on the table in all.
    Hraj({ K(Eso), K(Eso, 1) }, { K(Svrsek), K(Spodek), K(Kral), K(Svrsek, 1), K(Spodek, 1), K(Kral, 1), K(Desitka) });
    ASSERT_EQ(stul.picKarta.Count(), 9);
    ASSERT_EQ(hra.UkazStav_JA(), DveEsa);
    ASSERT_EQ(hra.UkazStav_PC(), Pod);

    hra.Zamichej();

    EXPECT_EQ(stul.picKarta.Count(), 1);
    EXPECT_FALSE(obrazek(0).Visible());
    EXPECT_EQ(hra.UkazVrchni(), 31);
    EXPECT_EQ(hra.UkazPocetObrazku(), 0);
    EXPECT_EQ(hra.PocetMychKaret(), 0);
    EXPECT_EQ(hra.PocetPCKaret(), 0);
    EXPECT_EQ(hra.UkazBody_JA(), 0);
    EXPECT_EQ(hra.UkazBody_PC(), 0);
    EXPECT_EQ(stul.lblBody_JA->Caption(), "0");
    EXPECT_EQ(stul.lblBody_PC->Caption(), "0");
    EXPECT_EQ(hra.UkazStav_JA(), DveEsa);
    EXPECT_EQ(hra.UkazStav_PC(), Pod);
    const auto h = hra.UkazHistorii();
    EXPECT_EQ(h.Predpredposledni, 1);
    EXPECT_EQ(h.Predposledni, 2);
    EXPECT_EQ(h.Posledni, 10);
}

TEST_F(Shuffle, PutsEveryCardInEverySlotEquallyOften)
{
    // Chi-square over card x slot: 961 degrees of freedom, so about 961 +- 44 for a fair shuffle.
    // A swap shuffle that picks from the whole deck at every step (a well-known bias) scores
    // about 2300 on as many shuffles; one that reaches slot 31 only as the last free slot, 100000.
    constexpr int Michani = 3200;
    constexpr double Mez = 1250;
    platform.rnd.Seed(20240601);
    std::array<std::array<int, 32>, 32> kolikrat {};
    for (int i = 0; i < Michani; ++i) {
        hra.Zamichej();
        const auto& balicek = hra.UkazBalicek();
        for (std::size_t slot = 0; slot < 32; ++slot)
            ++kolikrat[static_cast<std::size_t>(balicek[slot].Cislo)][slot];
    }
    const double ocekavano = Michani / 32.0;
    double chi2 = 0;
    for (const auto& radek : kolikrat)
        for (const int n : radek)
            chi2 += (n - ocekavano) * (n - ocekavano) / ocekavano;
    EXPECT_LT(chi2, Mez);
}

TEST_F(Shuffle, AFixedSeedAlwaysDealsTheSameDeck)
{
    platform.rnd.Seed(1000);
    hra.Zamichej();
    std::vector<int> cisla;
    for (const Karta& slot : hra.UkazBalicek())
        cisla.push_back(slot.Cislo);
    EXPECT_EQ(cisla,
        (std::vector<int> { 5, 9, 19, 2, 26, 11, 1, 12, 31, 27, 23, 7, 10, 20, 28, 6, 29, 25, 14, 3, 0, 21, 24, 16, 15,
            30, 13, 8, 18, 17, 4, 22 }));
}

// ---- Draws, points and hand states ----

TEST_F(Draw, PlayersFirstCardLiesInElementZeroUnderThePlayersLabel)
{
    Hraj({ K(Desitka, 2) });
    const Label& lbl = *stul.lblBody_JA;
    EXPECT_EQ(stul.picKarta.Count(), 1);
    EXPECT_TRUE(obrazek(0).Visible());
    EXPECT_EQ(obrazek(0).Left(), lbl.Left());
    EXPECT_EQ(obrazek(0).Top(), lbl.Top() + lbl.Height() + 8);
    EXPECT_TRUE(ukazuje(obrazek(0), K(Desitka, 2)));
    EXPECT_TRUE(zepredu(obrazek(0)));
    EXPECT_EQ(lbl.Caption(), "10");
    EXPECT_EQ(hra.UkazBody_JA(), 10);
    EXPECT_EQ(hra.UkazStav_JA(), Pod);
    EXPECT_EQ(hra.PocetMychKaret(), 1);
    EXPECT_EQ(hra.UkazPocetObrazku(), 1);
    EXPECT_EQ(hra.UkazVrchni(), 30);
}

struct Ruka {
    const char* nazev;
    std::vector<std::int16_t> hrac;
    std::vector<std::int16_t> pocitac;
    std::int16_t body;
    std::int16_t stav;
};

TEST_F(Draw, ScoresSpecialHandsOnlyAsASidesOwnFirstCards)
{
    const std::vector<Ruka> ruce = {
        { "ace, ace", { K(Eso), K(Eso, 1) }, {}, 21, DveEsa },
        { "three sevens", { K(Sedma), K(Sedma, 1), K(Sedma, 2) }, {}, 21, TriSedmy },
        { "ten, ace", { K(Desitka), K(Eso) }, {}, 21, PresneJednadvacet },
        { "ace, ten", { K(Eso), K(Desitka) }, {}, 21, PresneJednadvacet },
        { "king, then three sevens", { K(Kral), K(Sedma), K(Sedma, 1), K(Sedma, 2) }, {}, 23, Pres },
        { "eight, ace, ace", { K(Osma), K(Eso), K(Eso, 1) }, {}, 30, Pres },
        { "ace, king, ace", { K(Eso), K(Kral), K(Eso, 1) }, {}, 24, Pres },
        { "two sevens", { K(Sedma), K(Sedma, 1) }, {}, 14, Pod },
        // The computer's hands, drawn after the player's cards.
        { "computer: ace, ace", { K(Desitka), K(Devitka) }, { K(Eso), K(Eso, 1) }, 21, DveEsa },
        { "computer: three sevens", { K(Eso), K(Desitka) }, { K(Sedma), K(Sedma, 1), K(Sedma, 2) }, 21, TriSedmy },
        { "computer: nine, nine, unter", { K(Eso) }, { K(Devitka), K(Devitka, 1), K(Spodek) }, 19, Pod },
        // A special hand needs the side's own cards: the player's ace or sevens do not count.
        { "player's ace, computer's ace", { K(Eso) }, { K(Eso, 1) }, 11, Pod },
        { "player's seven, computer's two sevens", { K(Sedma) }, { K(Sedma, 1), K(Sedma, 2) }, 14, Pod },
        { "computer: ten, ace", { K(Devitka), K(Devitka, 1) }, { K(Desitka), K(Eso) }, 21, PresneJednadvacet },
    };
    for (const Ruka& r : ruce) {
        SCOPED_TRACE(r.nazev);
        Hraj(r.hrac, r.pocitac);
        const bool pocitac = !r.pocitac.empty();
        EXPECT_EQ(pocitac ? hra.UkazBody_PC() : hra.UkazBody_JA(), r.body);
        EXPECT_EQ(pocitac ? hra.UkazStav_PC() : hra.UkazStav_JA(), r.stav);
        EXPECT_EQ((pocitac ? stul.lblBody_PC : stul.lblBody_JA)->Caption(), CStr(r.body));
    }
}

TEST_F(Draw, FromAnEmptyDeckChangesNothing)
{
    // Never happens in play, where both sides stop long before; it must still not read past the deck.
    Rozdej({});
    for (int i = 0; i < 16; ++i)
        hra.Snimam_JA();
    for (int i = 0; i < 16; ++i)
        hra.Snima_PC();
    ASSERT_EQ(hra.UkazVrchni(), -1);
    const Snimek pred = snimek();
    hra.Snimam_JA();
    hra.Snima_PC();
    EXPECT_TRUE(snimek() == pred);
}

// ---- Card pictures ----

TEST_F(CardPictures, ShowTheFaceOfTheirOwnCardForEveryCardOfTheDeck)
{
    platform.rnd.Seed(3);
    hra.Zamichej();
    for (std::int16_t i = 0; i < 32; ++i) {
        const std::int16_t cislo = hra.UkazBalicek()[static_cast<std::size_t>(31 - i)].Cislo;
        i < 16 ? hra.Snimam_JA() : hra.Snima_PC();
        ASSERT_TRUE(stul.picKarta.Exists(i));
        EXPECT_TRUE(ukazuje(obrazek(i), cislo)) << "card " << cislo;
        EXPECT_EQ(obrazek(i).Width(), SirkaKarty);
        EXPECT_EQ(obrazek(i).Height(), VyskaKarty);
    }
}

TEST_F(CardPictures, FollowEachOtherByHalfACardAndStartASecondRowAfterTheRowLength)
{
    // The deck 5.4 card widths right of the labels: ten half-card steps fit.
    const Label& ja = *stul.lblBody_JA;
    const Label& pc = *stul.lblBody_PC;
    stul.cmdRub->Move(ja.Left() + 5 * SirkaKarty + 50, stul.cmdRub->Top());
    const std::vector<std::int16_t> jednicky = { K(Svrsek), K(Spodek), K(Svrsek, 1), K(Spodek, 1), K(Svrsek, 2),
        K(Spodek, 2), K(Svrsek, 3), K(Spodek, 3), K(Kral), K(Kral, 1), K(Kral, 2), K(Kral, 3) };
    std::vector<std::int16_t> poradi = jednicky;
    poradi.insert(poradi.end(), { K(Desitka), K(Devitka) });
    Rozdej(poradi);

    const int horniRada = ja.Top() + ja.Height() + 8;
    for (std::int16_t k = 0; k < 12; ++k) {
        hra.Snimam_JA();
        SCOPED_TRACE(k);
        const PictureBox& obr = obrazek(k);
        EXPECT_EQ(obr.Left(), ja.Left() + 60 * (k < 10 ? k : k - 10));
        EXPECT_EQ(obr.Top(), k < 10 ? horniRada : horniRada + 30);
        EXPECT_TRUE(obr.Visible());
        EXPECT_TRUE(zepredu(obr));
        EXPECT_TRUE(ukazuje(obr, jednicky[static_cast<std::size_t>(k)]));
    }
    EXPECT_EQ(hra.UkazBody_JA(), 16);

    // The computer's row counts its own cards, in the elements after the player's.
    for (std::int16_t k = 0; k < 2; ++k) {
        hra.Snima_PC();
        const PictureBox& obr = obrazek(static_cast<std::int16_t>(12 + k));
        EXPECT_EQ(obr.Left(), pc.Left() + 60 * k);
        EXPECT_EQ(obr.Top(), pc.Top() + pc.Height() + 8);
        EXPECT_TRUE(zepredu(obr));
    }
}

TEST_F(CardPictures, LieInRowsThatDependOnWhereTheDeckIs)
{
    struct Pripad {
        const char* nazev;
        int rubLeft; // relative to the player's label
        int rubWidth;
        std::vector<std::pair<int, int>> mista; // left relative to the label, row 0 or 1
    };
    const std::vector<Pripad> pripady = {
        { "one card width and a bit: two steps", 144, 120, { { 0, 0 }, { 60, 0 }, { 0, 1 }, { 60, 1 } } },
        // The first card of the game always goes under the label; every later one to the second row.
        { "less than a card width: no step", 119, 120, { { 0, 0 }, { 60, 1 }, { 120, 1 } } },
        { "deck at the label", 0, 120, { { 0, 0 }, { 60, 1 }, { 120, 1 } } },
        { "deck left of the label", -8, 120, { { 0, 0 }, { 60, 1 }, { 120, 1 } } },
        { "deck far left of the label", -2000, 120, { { 0, 0 }, { 60, 1 }, { 120, 1 } } },
        // Half of an odd width is cut, not rounded.
        { "odd card width", 3 * 123, 123,
            { { 0, 0 }, { 61, 0 }, { 122, 0 }, { 183, 0 }, { 244, 0 }, { 305, 0 }, { 0, 1 }, { 61, 1 } } },
    };
    const Label& ja = *stul.lblBody_JA;
    const int horniRada = ja.Top() + ja.Height() + 8;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        stul.cmdRub->setGeometry(ja.Left() + p.rubLeft, stul.cmdRub->Top(), p.rubWidth, VyskaKarty);
        Rozdej({ K(Svrsek), K(Spodek), K(Svrsek, 1), K(Spodek, 1), K(Kral), K(Kral, 1), K(Svrsek, 2), K(Spodek, 2) });
        for (std::size_t k = 0; k < p.mista.size(); ++k) {
            hra.Snimam_JA();
            const PictureBox& obr = obrazek(static_cast<std::int16_t>(k));
            EXPECT_EQ(obr.Left(), ja.Left() + p.mista[k].first) << "card " << k;
            EXPECT_EQ(obr.Top(), horniRada + 30 * p.mista[k].second) << "card " << k;
        }
    }
}

// ---- The computer's turn ----

// The computer's rule as the rules describe it, row by row of points; r is the tick's random number.
clsHra21::TahPC podlePravidel(int P, int N, int L, float r)
{
    using enum clsHra21::TahPC;
    if (P <= 14)
        return Snima;
    if (P <= 16)
        return N < 6 ? Snima : Stoji;
    if (P == 17)
        return N < 6 && r >= 0.5f ? Snima : Stoji;
    if (P <= 21)
        return Stoji;
    return L == 7 ? VratilSedmu : Stoji;
}

// The computer's n cards worth p points, the last of them worth `last` (0: any); no aces, since two
// first would make a hand of their own. None where the deck has no such hand.
std::optional<std::vector<std::int16_t>> rukaPocitace(int p, int n, int last, std::int16_t od = 0)
{
    if (n == 0 || p < n || p > 10 * n)
        return n == 0 && p == 0 ? std::optional(std::vector<std::int16_t> {}) : std::nullopt;
    for (std::int16_t c = od; c < 32; ++c)
        if (c % 8 != Eso && (last == 0 || ocekavanaHodnota(c) == last))
            if (auto ruka = rukaPocitace(p - ocekavanaHodnota(c), n - 1, 0, static_cast<std::int16_t>(c + 1))) {
                ruka->push_back(c);
                return ruka;
            }
    return std::nullopt;
}

// As the bank plays: a hand dealt at every total, with fewer than six cards and with more, the
// last card a seven or not, and the tick's random number below a half and above.
TEST_F(ComputersRule, FollowsItsTableForEveryPointTotal)
{
    std::set<std::pair<int, bool>> rozdano;
    for (int P = 0; P <= 30; ++P)
        for (const int N : { 0, 1, 2, 5, 6, 7 })
            for (const int L : P > 21 ? std::vector { 7, 8 } : std::vector { 0 }) {
                const auto ruka = rukaPocitace(P, N, L);
                if (!ruka)
                    continue;
                for (const float r : { 0.25f, 0.75f }) {
                    Hraj({}, *ruka);
                    platform.rnd.Script(r);
                    EXPECT_EQ(hra.TahPocitace(), podlePravidel(P, N, L, r))
                        << "P=" << P << " N=" << N << " L=" << L << " r=" << r;
                    rozdano.emplace(P, N >= 6);
                }
            }
    EXPECT_EQ(rozdano.size(), 31u + 25u) << "every total with fewer than six cards, and from 6 on with six or more";
}

TEST_F(ComputersTurn, DecidesOnItsOwnCardsWithAThresholdFromEachTick)
{
    using enum clsHra21::TahPC;
    const float skoroPul = std::nextafter(0.5f, 0.0f);
    const float skoroJedna = std::nextafter(1.0f, 0.0f);
    struct Pripad {
        const char* nazev;
        std::vector<std::int16_t> hrac, pocitac;
        float r;
        clsHra21::TahPC tah;
    };
    const std::vector<Pripad> pripady = {
        { "first tick", { K(Desitka) }, {}, 0.9f, Snima },
        { "17 with two cards, r = 0", { K(Desitka), K(Devitka) }, { K(Desitka, 1), K(Sedma) }, 0.0f, Stoji },
        { "17, r just below a half", { K(Desitka), K(Devitka) }, { K(Desitka, 1), K(Sedma) }, skoroPul, Stoji },
        { "17, r a half", { K(Desitka), K(Devitka) }, { K(Desitka, 1), K(Sedma) }, 0.5f, Snima },
        { "17, r just below one", { K(Desitka), K(Devitka) }, { K(Desitka, 1), K(Sedma) }, skoroJedna, Snima },
        { "17 with six cards", { K(Desitka) },
            { K(Svrsek), K(Spodek), K(Kral), K(Kral, 1), K(Spodek, 1), K(Desitka, 1) }, 0.9f, Stoji },
        // The computer's own cards count, not all cards on the table, nor the player's points.
        { "15 with five cards, the player with three", { K(Devitka), K(Osma), K(Spodek) },
            { K(Svrsek), K(Spodek, 1), K(Kral), K(Svrsek, 1), K(Desitka) }, 0.9f, Snima },
        { "16 with six cards, the player with one", { K(Desitka) },
            { K(Svrsek), K(Spodek), K(Kral), K(Svrsek, 1), K(Spodek, 1), K(Desitka, 1) }, 0.0f, Stoji },
        { "two aces", { K(Desitka), K(Devitka) }, { K(Eso), K(Eso, 1) }, 0.9f, Stoji },
        { "18", { K(Desitka), K(Devitka) }, { K(Desitka, 1), K(Osma) }, 0.9f, Stoji },
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Hraj(p.hrac, p.pocitac);
        const std::int16_t karet = hra.PocetPCKaret();
        platform.rnd.Script(p.r);
        EXPECT_EQ(hra.TahPocitace(), p.tah);
        EXPECT_EQ(platform.rnd.ScriptedLeft(), 0u);
        EXPECT_EQ(hra.PocetPCKaret(), karet + (p.tah == Snima ? 1 : 0));
    }
}

TEST_F(ComputersTurn, GivesBackASevenThatTookItOver21AndEnds)
{
    using enum clsHra21::TahPC;
    Rozdej({ K(Desitka), K(Desitka, 1), K(Devitka), K(Sedma), K(Sedma, 1) });
    hra.Snimam_JA();
    hra.Snimam_JA();
    std::vector<clsHra21::TahPC> tahy;
    for (int tik = 0; tik < 4; ++tik) {
        Prah(17);
        tahy.push_back(hra.TahPocitace());
    }
    EXPECT_EQ(tahy, (std::vector<clsHra21::TahPC> { Snima, Snima, Snima, VratilSedmu }));
    EXPECT_EQ(hra.UkazBody_PC(), 16);
    EXPECT_EQ(hra.UkazStav_PC(), Pod);
    EXPECT_EQ(stul.lblBody_PC->Caption(), "16");
    EXPECT_EQ(hra.PocetPCKaret(), 2);
    EXPECT_EQ(hra.UkazPocetObrazku(), 4);
    EXPECT_FALSE(stul.picKarta.Exists(4));
    EXPECT_EQ(viditelneObrazky(), 4);
    EXPECT_EQ(hra.UkazBody_JA(), 20);
    EXPECT_EQ(hra.PosledniHodnota_PC(), 7); // the computer's first seven is its last card again
}

TEST_F(ComputersTurn, EndsOver21WithoutAReturnWhenTheLastCardIsNoSeven)
{
    using enum clsHra21::TahPC;
    Hraj({ K(Desitka), K(Devitka) }, { K(Sedma), K(Desitka, 1), K(Osma) });
    ASSERT_EQ(hra.UkazBody_PC(), 25);
    const Snimek pred = snimek();
    Prah(18);
    EXPECT_EQ(hra.TahPocitace(), Stoji);
    EXPECT_TRUE(snimek() == pred);
    EXPECT_EQ(hra.UkazStav_PC(), Pres);
}

// ---- Giving back a seven ----

TEST_F(SevenReturn, TakesBackThePlayersLastSevenAndItsPoints)
{
    struct Pripad {
        const char* nazev;
        std::vector<std::int16_t> karty;
        std::int16_t bodyPred, stavPred, bodyPo;
    };
    const std::vector<Pripad> pripady = {
        { "15, then a seven over 21", { K(Osma), K(Sedma), K(Sedma, 1) }, 22, Pres, 15 },
        { "14, then a seven to 21", { K(Desitka), K(Kral), K(Kral, 1), K(Sedma) }, 21, PresneJednadvacet, 14 },
        { "three sevens", { K(Sedma), K(Sedma, 1), K(Sedma, 2) }, 21, TriSedmy, 14 },
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Hraj(p.karty);
        ASSERT_EQ(hra.UkazBody_JA(), p.bodyPred);
        ASSERT_EQ(hra.UkazStav_JA(), p.stavPred);
        const auto n = static_cast<std::int16_t>(p.karty.size());

        hra.ChciVratitSedmu();

        EXPECT_EQ(hra.UkazBody_JA(), p.bodyPo);
        EXPECT_EQ(hra.UkazStav_JA(), Pod);
        EXPECT_EQ(stul.lblBody_JA->Caption(), CStr(p.bodyPo));
        EXPECT_EQ(hra.PocetMychKaret(), n - 1);
        EXPECT_EQ(hra.UkazPocetObrazku(), n - 1);
        EXPECT_FALSE(stul.picKarta.Exists(static_cast<std::int16_t>(n - 1)));
        EXPECT_EQ(viditelneObrazky(), n - 1);
        EXPECT_EQ(hra.UkazVrchni(), 31 - n); // the seven does not go back into the deck

        // The next draw takes the next card of the deck into the freed element.
        const std::int16_t dalsi = hra.UkazBalicek()[static_cast<std::size_t>(hra.UkazVrchni())].Cislo;
        hra.Snimam_JA();
        EXPECT_TRUE(ukazuje(obrazek(static_cast<std::int16_t>(n - 1)), dalsi));
        EXPECT_EQ(hra.UkazBody_JA(), p.bodyPo + ocekavanaHodnota(dalsi));
    }
}

TEST_F(SevenReturn, OfTheFirstCardHidesElementZeroAndTheNextDrawUsesItAgain)
{
    Rozdej({ K(Sedma), K(Desitka) });
    hra.Snimam_JA();
    hra.ChciVratitSedmu();
    EXPECT_FALSE(obrazek(0).Visible());
    EXPECT_EQ(stul.picKarta.Count(), 1);
    EXPECT_EQ(hra.PocetMychKaret(), 0);
    EXPECT_EQ(hra.UkazPocetObrazku(), 0);
    EXPECT_EQ(hra.UkazBody_JA(), 0);
    EXPECT_EQ(stul.lblBody_JA->Caption(), "0");

    hra.Snimam_JA();
    const Label& ja = *stul.lblBody_JA;
    EXPECT_EQ(stul.picKarta.Count(), 1);
    EXPECT_TRUE(obrazek(0).Visible());
    EXPECT_TRUE(ukazuje(obrazek(0), K(Desitka)));
    EXPECT_EQ(obrazek(0).Left(), ja.Left());
    EXPECT_EQ(obrazek(0).Top(), ja.Top() + ja.Height() + 8);
    EXPECT_EQ(hra.UkazBody_JA(), 10);
    EXPECT_EQ(ja.Caption(), "10");
}

TEST_F(SevenReturn, GoesBackOneSevenAtATimeButNeverPastTheLastOtherCard)
{
    Hraj({ K(Osma), K(Sedma), K(Sedma, 1) });
    hra.ChciVratitSedmu();
    EXPECT_EQ(hra.UkazBody_JA(), 15);
    hra.ChciVratitSedmu();
    EXPECT_EQ(hra.UkazBody_JA(), 8);
    const Snimek jenOsma = snimek();
    hra.ChciVratitSedmu();
    EXPECT_TRUE(snimek() == jenOsma);
    EXPECT_EQ(hra.PocetMychKaret(), 1);
    EXPECT_TRUE(obrazek(0).Visible());
}

TEST_F(SevenReturn, DoesNothingWhenTheLastCardIsNoSeven)
{
    Hraj({ K(Sedma), K(Osma) });
    const Snimek pred = snimek();
    hra.ChciVratitSedmu();
    EXPECT_TRUE(snimek() == pred);
}

TEST_F(SevenReturn, TwoReturnsInARowDoNotTurnTheNextSevenIntoThreeSevens)
{
    // Ober and three sevens make 22; two sevens go back, leaving ober and seven. The last seven,
    // drawn now, makes 15 and no special hand: the first card is no seven.
    Rozdej({ K(Svrsek), K(Sedma), K(Sedma, 1), K(Sedma, 2), K(Sedma, 3) });
    for (int i = 0; i < 4; ++i)
        hra.Snimam_JA();
    hra.ChciVratitSedmu();
    hra.ChciVratitSedmu();
    ASSERT_EQ(hra.UkazBody_JA(), 8);
    hra.Snimam_JA();
    EXPECT_EQ(hra.UkazBody_JA(), 15);
    EXPECT_EQ(hra.UkazStav_JA(), Pod);
}

TEST_F(SevenReturn, NeverTakesTheCardBeforeTheSevensForASeven)
{
    // Ober and three sevens: 22. All three sevens go back, one by one; the ober stays.
    Hraj({ K(Svrsek), K(Sedma), K(Sedma, 1), K(Sedma, 2) });
    hra.ChciVratitSedmu();
    hra.ChciVratitSedmu();
    hra.ChciVratitSedmu();
    EXPECT_EQ(hra.UkazBody_JA(), 1);
    EXPECT_EQ(hra.PosledniHodnota_PC(), 1);
    const Snimek jenSvrsek = snimek();
    hra.ChciVratitSedmu();
    EXPECT_TRUE(snimek() == jenSvrsek);
    EXPECT_TRUE(obrazek(0).Visible());
    EXPECT_EQ(stul.lblBody_JA->Caption(), "1");
}

TEST_F(SevenReturn, WithNoCardInHandChangesNothingThoughTheHistoryNamesASeven)
{
    // Two sevens in one game, a seven as the first card of the next, given back: the history
    // still ends in sevens from the game before.
    Hraj({ K(Sedma), K(Sedma, 1) });
    Hraj({ K(Sedma, 2) });
    hra.ChciVratitSedmu();
    ASSERT_EQ(hra.PosledniHodnota_PC(), 7);
    ASSERT_EQ(hra.PocetMychKaret(), 0);
    const Snimek prazdnyStul = snimek();
    hra.ChciVratitSedmu();
    EXPECT_TRUE(snimek() == prazdnyStul);
    hra.PCVraciSedmu();
    EXPECT_TRUE(snimek() == prazdnyStul);
    EXPECT_FALSE(obrazek(0).Visible());

    // Nor does the computer give back the player's seven.
    Hraj({ K(Sedma) });
    const Snimek sedmaHrace = snimek();
    hra.PCVraciSedmu();
    EXPECT_TRUE(snimek() == sedmaHrace);
}

// ---- Whole games ----

namespace {
// What a side holds, by card number, and the points and state that must follow from it.
std::pair<std::int16_t, std::int16_t> ocekavaneBody(const std::vector<std::int16_t>& ruka)
{
    const auto jen
        = [&](Hodnost h) { return std::all_of(ruka.begin(), ruka.end(), [h](std::int16_t c) { return c % 8 == h; }); };
    if (ruka.size() == 3 && jen(Sedma))
        return { 21, TriSedmy };
    if (ruka.size() == 2 && jen(Eso))
        return { 21, DveEsa };
    int soucet = 0;
    for (const std::int16_t c : ruka)
        soucet += ocekavanaHodnota(c);
    return { static_cast<std::int16_t>(soucet), soucet == 21 ? PresneJednadvacet : soucet > 21 ? Pres : Pod };
}
} // namespace

TEST_F(EngineGames, KeepTheirInvariantsAfterEveryStepOfManyRandomGames)
{
    // The player draws, stops and tries to give back sevens at random, as the table lets them;
    // then the computer plays its turn tick by tick. After every step the engine must agree with
    // a plain record of who holds which cards.
    using enum clsHra21::TahPC;
    constexpr int Her = 1500;
    platform.rnd.Seed(4242);
    std::mt19937 hrac(99);
    std::uniform_real_distribution<double> nahoda(0.0, 1.0);

    std::vector<std::int16_t> ja, pc;
    int lizanych = 0;
    const auto kontrola = [&](const char* krok) {
        SCOPED_TRACE(krok);
        ASSERT_EQ(hra.PocetMychKaret(), static_cast<std::int16_t>(ja.size()));
        ASSERT_EQ(hra.PocetPCKaret(), static_cast<std::int16_t>(pc.size()));
        ASSERT_EQ(hra.UkazPocetObrazku(), hra.PocetMychKaret() + hra.PocetPCKaret());
        ASSERT_EQ(hra.UkazVrchni() + 1 + lizanych, 32);
        ASSERT_EQ(viditelneObrazky(), hra.UkazPocetObrazku());
        const auto [bodyJa, stavJa] = ocekavaneBody(ja);
        ASSERT_EQ(hra.UkazBody_JA(), bodyJa);
        ASSERT_EQ(stul.lblBody_JA->Caption(), CStr(bodyJa));
        if (!ja.empty()) {
            ASSERT_EQ(hra.UkazStav_JA(), stavJa);
        }
        const auto [bodyPc, stavPc] = ocekavaneBody(pc);
        ASSERT_EQ(hra.UkazBody_PC(), bodyPc);
        ASSERT_EQ(stul.lblBody_PC->Caption(), CStr(bodyPc));
        if (!pc.empty()) {
            ASSERT_EQ(hra.UkazStav_PC(), stavPc);
        }
        // The history names the last cards still held, whatever was given back.
        std::vector<std::int16_t> drzene = ja;
        drzene.insert(drzene.end(), pc.begin(), pc.end());
        const auto h = hra.UkazHistorii();
        if (drzene.size() >= 1) {
            ASSERT_EQ(h.Posledni, ocekavanaHodnota(drzene[drzene.size() - 1]));
        }
        if (drzene.size() >= 2) {
            ASSERT_EQ(h.Predposledni, ocekavanaHodnota(drzene[drzene.size() - 2]));
        }
    };
    const auto vrchniKarta = [&] { return hra.UkazBalicek()[static_cast<std::size_t>(hra.UkazVrchni())].Cislo; };

    for (int g = 0; g < Her; ++g) {
        SCOPED_TRACE(g);
        ja.clear();
        pc.clear();
        lizanych = 0;
        hra.Zamichej();
        ASSERT_NO_FATAL_FAILURE(kontrola("shuffle"));
        ja.push_back(vrchniKarta());
        hra.Snimam_JA();
        ++lizanych;
        ASSERT_NO_FATAL_FAILURE(kontrola("deal"));

        for (;;) {
            const double a = nahoda(hrac);
            if (a < 0.25) {
                if (!ja.empty() && ja.back() % 8 == Sedma)
                    ja.pop_back();
                hra.ChciVratitSedmu();
                ASSERT_NO_FATAL_FAILURE(kontrola("player's return"));
            } else if (hra.UkazBody_JA() < 21 && (a < 0.85 || hra.PocetMychKaret() < 2)) {
                ja.push_back(vrchniKarta());
                hra.Snimam_JA();
                ++lizanych;
                ASSERT_NO_FATAL_FAILURE(kontrola("player's draw"));
            } else {
                break;
            }
        }
        ASSERT_LE(ja.size(), 13u);

        clsHra21::TahPC tah = Snima;
        for (int tik = 0; tah == Snima; ++tik) {
            ASSERT_LT(tik, 20);
            const std::int16_t nahore = vrchniKarta();
            tah = hra.TahPocitace();
            if (tah == Snima) {
                pc.push_back(nahore);
                ++lizanych;
            } else if (tah == VratilSedmu) {
                ASSERT_EQ(pc.back() % 8, Sedma);
                pc.pop_back();
            }
            ASSERT_NO_FATAL_FAILURE(kontrola("computer's tick"));
        }
        // Where the computer may stop: a seven given back after going over, or its standing rule.
        const std::int16_t P = hra.UkazBody_PC();
        const auto N = pc.size();
        ASSERT_LE(N, 12u);
        if (tah == VratilSedmu) {
            ASSERT_GT(P + 7, 21);
        } else {
            ASSERT_GE(P, 15);
            if (P < clsHra21::NizsiPrahPC) {
                ASSERT_GE(N, 6u);
            }
            if (P > 21) {
                ASSERT_NE(pc.back() % 8, Sedma);
            }
        }
        smazOdlozene();
    }
}
