// Staking with the banknotes: the left button stakes a note, any other takes one back, only
// while the player holds exactly one card; money never wraps around.
#include "TableFixture.h"

#include <limits>

TEST_F(TableTest, BanknotesBeforeTheFirstDealChangeNothingNotEvenTheDisplays)
{
    Start();
    stul->lblSazka->SetCaption(QStringLiteral("x"));
    Stake(0);
    Stake(3, Qt::RightButton);
    EXPECT_EQ(Penezenka, 1000);
    EXPECT_EQ(stul->Stake(), 0);
    EXPECT_EQ(stul->lblSazka->Caption(), "x");
}

TEST_F(TableTest, LeftStakesANoteAndTheComputerMatchesItOtherButtonsTakeItBack)
{
    Start();
    Deal({ K(Desitka, 0) });
    struct Press {
        std::int16_t note;
        Qt::MouseButton button;
        std::int32_t purse;
        const char* stake;
    };
    const Press presses[] = {
        { 2, Qt::RightButton, 1000, "0" }, // nothing on the table yet: the prompt gives way all the same
        { 2, Qt::LeftButton, 500, "1000" },
        { 2, Qt::RightButton, 1000, "0" },
        { 3, Qt::LeftButton, 0, "2000" },
        { 0, Qt::LeftButton, 0, "2000" }, // the whole purse is staked: nothing left to cover a note
        { 5, Qt::RightButton, 0, "2000" }, // a 5000 Kč note is not on the table
        { 1, Qt::MiddleButton, 200, "1600" }, // any button but the left takes back
        { 0, Qt::RightButton, 300, "1400" },
        { 0, Qt::LeftButton, 200, "1600" },
    };
    for (const Press& p : presses) {
        Stake(p.note, p.button);
        EXPECT_EQ(Penezenka, p.purse) << "note " << p.note << " button " << p.button;
        EXPECT_EQ(stul->lblPenezenka->Caption(), QString::number(p.purse));
        EXPECT_EQ(stul->lblSazka->Caption(), p.stake);
    }
    // The offer stays as it was at the deal.
    EXPECT_EQ(OfferedNotes(), (std::vector<bool> { true, true, true, true, false, false }));
}

TEST_F(TableTest, ANoteIsRefusedWhenAWonGameCouldNotPayItOut)
{
    Start();
    Deal({ K(Desitka, 0), K(Devitka, 1), K(Devitka, 2), K(Osma, 3) });
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    Penezenka = Max - 100;
    Stake(0); // a win would pay exactly the largest amount
    EXPECT_EQ(Penezenka, Max - 200);
    EXPECT_EQ(stul->Stake(), 200);
    Stake(0); // one more note would carry a win past it
    Stake(5);
    EXPECT_EQ(Penezenka, Max - 200);
    EXPECT_EQ(stul->Stake(), 200);
    Stake(0, Qt::RightButton);
    EXPECT_EQ(Penezenka, Max - 100);
    Stake(0);

    DrawFromDeck();
    Stand();
    ScriptThresholds({ 17, 17, 17 });
    PlayComputersTurn();
    EXPECT_EQ(stul->lblBody_PC->Caption(), "17");
    EXPECT_EQ(Penezenka, Max);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "2147483647");
}

TEST_F(TableTest, AStartBelowTheSmallestAmountStopsThereRuined)
{
    Start("-30000000");
    EXPECT_EQ(Penezenka, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(stul->lblPenezenka->Caption(), "-2147483648");
    EXPECT_TRUE(stul->picRevolver->Visible());
}

// A display that cuts off the first digits or the minus sign shows a wrong amount; one that
// fits keeps the design's font.
TEST_F(TableTest, AmountsTooLongForTheirDisplaysAreSetSmallerToShowEveryCharacter)
{
    const auto expectShown = [](Label* display, const char* amount, bool smaller) {
        EXPECT_EQ(display->Caption(), amount);
        const int room = display->contentsRect().width() - display->indent();
        EXPECT_LE(QFontMetrics(display->font()).horizontalAdvance(display->Caption()), room) << amount;
        EXPECT_EQ(display->font().pointSizeF() < 20.25, smaller) << amount;
        // Drawn, the caption set smaller keeps the indent from the left edge as from the right one.
        const QImage shown = display->grab().toImage();
        const QRect inside = display->contentsRect();
        int first = inside.right();
        for (int x = inside.left(); x <= inside.right(); ++x)
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                if (qGreen(shown.pixel(x, y)) > 128)
                    first = std::min(first, x);
        EXPECT_GE(first - inside.left(), display->indent()) << amount;
    };
    Start(QStringLiteral("-1e400"));
    expectShown(stul->lblPenezenka, "-2147483648", true);
    delete stul.data();
    Start(QStringLiteral("-10000000"));
    expectShown(stul->lblPenezenka, "-1000000000", true);
    stul->lblPenezenka->SetCaption(QStringLiteral("2147483647"));
    expectShown(stul->lblPenezenka, "2147483647", true);
    stul->lblPenezenka->SetCaption(QStringLiteral("99999999"));
    expectShown(stul->lblPenezenka, "99999999", false);
    stul->lblSazka->SetCaption(QStringLiteral("2147483646"));
    expectShown(stul->lblSazka, "2147483646", true);
    stul->lblSazka->SetCaption(QStringLiteral("0"));
    expectShown(stul->lblSazka, "0", false);
}
