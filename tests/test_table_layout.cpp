// The table's layout for any window size.
#include "TableFixture.h"

#include <cmath>

namespace {
QPoint at(const QWidget* w)
{
    return w->pos();
}
} // namespace

class TableLayout : public TableTest {
protected:
    void Start(QSize inner)
    {
        TableTest::Start();
        stul->showNormal();
        stul->resize(inner);
        ASSERT_EQ(stul->size(), inner);
    }
};

TEST_F(TableLayout, MatchesTheWorkedExampleToThePixel)
{
    Start(QSize(1000, 700));
    EXPECT_EQ(at(stul->lblBody_PC), QPoint(8, 8));
    EXPECT_EQ(at(stul->lblBody_JA), QPoint(8, 350));
    EXPECT_EQ(at(stul->lblPenezenka), QPoint(810, 659));
    const int tops[] = { 571, 489, 407, 325, 243, 161 };
    for (std::int16_t i = 0; i < 6; ++i)
        EXPECT_EQ(at(&stul->cmdBankovka(i)), QPoint(810, tops[i])) << "note " << i;
    EXPECT_EQ(at(stul->picRevolver), QPoint(810, 351));
    EXPECT_EQ(at(stul->lblSazka), QPoint(682, 659));
    EXPECT_EQ(at(stul->cmdDost), QPoint(682, 618));
    EXPECT_EQ(at(stul->cmdRozdej), QPoint(682, 577));
    EXPECT_EQ(at(stul->cmdRub), QPoint(682, 369));
    EXPECT_EQ(at(stul->cmdKonec), QPoint(951, 8));
    EXPECT_EQ(stul->lblNapoveda->x(), std::nearbyint((1000 - stul->lblNapoveda->width()) / 2.0));
    EXPECT_EQ(stul->lblNapoveda->y(), 8);
    // Sizes are the design's.
    EXPECT_EQ(stul->cmdRub->size(), QSize(120, 200));
    EXPECT_EQ(stul->lblPenezenka->size(), QSize(153, 33));
}

TEST_F(TableLayout, CardsFollowTheLabelsAndTheDeckOfTheNewLayout)
{
    Start(QSize(1000, 700));
    Deal({ K(Desitka, 0), K(Osma, 1) });
    EXPECT_EQ(at(&stul->picKarta(0)), QPoint(8, 350 + 25 + 8));
    stul->resize(900, 600);
    // A card already on the table stays; the next one goes by the new places.
    EXPECT_EQ(at(&stul->picKarta(0)), QPoint(8, 383));
    Stake(0);
    DrawFromDeck();
    EXPECT_EQ(at(&stul->picKarta(1)), QPoint(8 + 60, 300 + 25 + 8));
}

TEST_F(TableLayout, ANarrowWindowLaysEveryCardInTheSecondRow)
{
    // The deck lies less than a card's width right of the labels: no card fits the first row.
    Start(QSize(400, 600));
    EXPECT_EQ(stul->cmdRub->x() - stul->lblBody_JA->x(), 400 - 326);
    Deal({ K(Spodek, 0), K(Svrsek, 1), K(Kral, 2) });
    Stake(0);
    DrawFromDeck();
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 3);
    EXPECT_EQ(at(&stul->picKarta(1)), QPoint(8 + 60, 300 + 25 + 38));
    EXPECT_EQ(at(&stul->picKarta(2)), QPoint(8 + 120, 300 + 25 + 38));
}

TEST_F(TableLayout, MinimisingAndRestoringPutsEveryControlBack)
{
    Start(QSize(1000, 700));
    stul->cmdKonec->move(0, 0);
    stul->lblPenezenka->move(0, 0);
    stul->showMinimized();
    stul->showNormal();
    EXPECT_EQ(at(stul->cmdKonec), QPoint(951, 8));
    EXPECT_EQ(at(stul->lblPenezenka), QPoint(810, 659));
}

TEST_F(TableLayout, ALaterPassKeepsTheDeckAndTheRevolverAsTheGameLeftThem)
{
    Start(QSize(1000, 700));
    stul->resize(1100, 750);
    EXPECT_FALSE(stul->cmdRub->Visible());
    EXPECT_FALSE(stul->picRevolver->Visible());
    Deal({ K(Desitka, 0) });
    stul->resize(1000, 700);
    EXPECT_TRUE(stul->cmdRub->Visible());
    EXPECT_FALSE(stul->picRevolver->Visible());
}

// Halves of a pixel go to the even neighbour: 351.5 is 352, and so is 350.5 rounded the other way.
TEST_F(TableLayout, HalvesOfAnOddSizeGoToTheEvenPixel)
{
    Start(QSize(1000, 703));
    EXPECT_EQ(at(stul->lblBody_JA), QPoint(8, 352));
    stul->resize(stul->lblNapoveda->width() + 559, 701);
    EXPECT_EQ(stul->lblNapoveda->x(), 280);
    EXPECT_EQ(at(stul->lblBody_JA), QPoint(8, 350));
}

TEST_F(TableLayout, TheComputersTurnGoesOnWhileTheWindowIsMinimised)
{
    Start(QSize(1000, 700));
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Osma, Zaludy) });
    Stake(0);
    DrawFromDeck();
    Stand();
    stul->showMinimized();
    ScriptThresholds({ 17, 17, 17 });
    EXPECT_EQ(PlayComputersTurn(), 3);
    EXPECT_EQ(Penezenka, 1100);
    stul->showNormal();
    EXPECT_EQ(at(stul->lblPenezenka), QPoint(810, 659));
    EXPECT_EQ(at(&stul->picKarta(3)), at(&stul->picKarta(2)) + QPoint(60, 0));
}
