// Thousands of random games with random presses: the player's money (the purse plus his half of
// the stake) moves only when a game is settled, by exactly his half of the stake.
#include "TableFixture.h"
#include "table/Vyhodnoceni.h"

#include <random>

namespace {
// Twice the player's money, so that half of the stake stays a whole number.
std::int64_t doubledMoney(const frmStul& stul)
{
    return 2 * std::int64_t { Penezenka } + stul.Stake();
}
} // namespace

TEST_F(TableTest, ThePlayersMoneyMovesOnlyBySettledGamesAndByHalfTheStake)
{
    Start("1000");
    platform.rnd.Seed(2026);
    std::mt19937 player(1207);
    auto chance = [&player](int outOf) { return std::uniform_int_distribution<int>(0, outOf - 1)(player) == 0; };
    auto anyNote = [&player] { return static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 5)(player)); };
    auto anyButton = [&]() { return chance(3) ? Qt::RightButton : Qt::LeftButton; };

    int games = 0, won = 0;
    for (; games < 1500 && stul->cmdRozdej->Enabled(); ++games) {
        // Between games the purse is topped up, so that the random player is not ruined early, and
        // every so often set near the 32-bit limit, to keep the refusal of unpayable notes in play.
        if (Penezenka < 100000 || Penezenka > 100000000)
            Penezenka = 1000000;
        if (games % 100 == 99)
            Penezenka = std::numeric_limits<std::int32_t>::max() - 1000;
        QTest::mouseClick(stul->cmdRozdej, Qt::LeftButton);
        const std::int64_t atDeal = doubledMoney(*stul);

        for (int step = 0; step < 40 && stul->PlayersTurn(); ++step) {
            if (chance(2))
                Stake(anyNote(), anyButton());
            else if (chance(3))
                DrawFromDeck();
            else if (chance(4))
                ClickCard(
                    static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, stul->picKarta.UBound())(player)));
            else if (stul->cmdDost->Enabled() && chance(3))
                Stand();
            ASSERT_EQ(doubledMoney(*stul), atDeal);
            ASSERT_GE(Penezenka, 0);
            ASSERT_GE(stul->Stake(), 0);
        }
        if (stul->PlayersTurn()) {
            // A game cannot end without a stake and a second card; a player who has no note
            // left to stake can only close the table.
            if (stul->Hra().PocetMychKaret() == 0)
                DrawFromDeck();
            if (stul->Stake() == 0)
                Stake(0);
            if (stul->Stake() == 0)
                break;
            if (stul->Hra().PocetMychKaret() < 2 && !stul->cmdDost->Enabled())
                DrawFromDeck();
            ASSERT_EQ(doubledMoney(*stul), atDeal);
            Stand();
        }

        const std::int32_t stake = stul->Stake();
        const std::int32_t purse = Penezenka;
        while (stul->tmrTah->Enabled()) {
            if (chance(4))
                Stake(anyNote(), anyButton());
            stul->tmrTah->Tick();
        }
        clsHra21& hra = stul->Hra();
        const bool playerWon
            = KdoVyhral(hra.UkazStav_JA(), hra.UkazStav_PC(), hra.UkazBody_JA(), hra.UkazBody_PC()) == Vitez::Hrac;
        won += playerWon;
        if (hra.PocetMychKaret() != 1) {
            // Without a single card nobody could touch the stake during the computer's turn.
            ASSERT_EQ(Penezenka, purse + (playerWon ? stake : 0));
        }
        ASSERT_EQ(stul->Stake(), 0);
        ASSERT_EQ(TheHistory().Ukaz(1), Penezenka);
        ASSERT_GE(Penezenka, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_GT(games, 1000) << "won " << won;
    EXPECT_GT(won, 0);
}
