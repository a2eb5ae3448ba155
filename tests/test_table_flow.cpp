// Whole games on the real table window: the player's mouse, scripted cards and thresholds, and
// the computer's turn ticked by hand.
#include "TableFixture.h"

TEST_F(TableTest, StartsWithThePurseTheHintAndTheDealButtonReady)
{
    Start();
    EXPECT_EQ(Penezenka, 1000);
    EXPECT_EQ(PocatecniPenezenka, 1000);
    EXPECT_EQ(TheHistory().Ukaz(1), 1000);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "1000");
    EXPECT_EQ(stul->lblSazka->Caption(), "0");
    EXPECT_EQ(OfferedNotes(), (std::vector<bool> { true, true, true, true, false, false }));
    EXPECT_TRUE(stul->cmdRozdej->Enabled());
    EXPECT_EQ(stul->focusWidget(), stul->cmdRozdej);
    EXPECT_FALSE(stul->cmdDost->Enabled());
    EXPECT_FALSE(stul->cmdRub->Visible());
    EXPECT_FALSE(stul->picRevolver->Visible());
    EXPECT_FALSE(stul->tmrTah->Enabled());
    for (Label* display : { stul->lblBody_PC, stul->lblBody_JA, stul->lblPenezenka, stul->lblSazka })
        EXPECT_TRUE(display->isVisible());

    // The hint goes by itself, once.
    EXPECT_TRUE(stul->lblNapoveda->isVisible());
    ASSERT_TRUE(stul->tmrZmiz->Enabled());
    EXPECT_EQ(stul->tmrZmiz->Interval(), 5000);
    stul->tmrZmiz->Tick();
    EXPECT_FALSE(stul->lblNapoveda->Visible());
    EXPECT_FALSE(stul->tmrZmiz->Enabled());
}

TEST_F(TableTest, AGameLostToTheBankTakesThePlayersHalfOfTheStake)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Desitka, Zaludy) });
    EXPECT_TRUE(stul->cmdRub->Visible());
    EXPECT_FALSE(stul->cmdRozdej->Enabled());
    EXPECT_EQ(stul->lblSazka->Caption(), "Sázejte !");
    EXPECT_EQ(stul->lblBody_JA->Caption(), "10");

    // The second card needs a stake.
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    EXPECT_FALSE(stul->cmdDost->Enabled());

    Stake(0);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "900");
    EXPECT_EQ(stul->lblSazka->Caption(), "200");
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "19");
    EXPECT_TRUE(stul->cmdDost->Enabled());
    EXPECT_EQ(stul->focusWidget(), stul->cmdDost);

    // Two cards held: the banknotes no longer change the stake.
    Stake(0);
    Stake(0, Qt::RightButton);
    EXPECT_EQ(Penezenka, 900);
    EXPECT_EQ(stul->Stake(), 200);

    Stand();
    EXPECT_FALSE(stul->PlayersTurn());
    EXPECT_TRUE(stul->tmrTah->Enabled());
    EXPECT_FALSE(stul->cmdDost->Enabled());
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 2);

    // Ten, ten: 20 stands whatever the threshold.
    ScriptThresholds({ 18, 18, 17 });
    EXPECT_EQ(PlayComputersTurn(), 3);
    EXPECT_EQ(stul->lblBody_PC->Caption(), "20");
    EXPECT_EQ(Penezenka, 900);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "900");
    EXPECT_EQ(stul->lblSazka->Caption(), "0");
    EXPECT_EQ(TheHistory().Ukaz(1), 900);
    EXPECT_EQ(TheHistory().Ukaz(2), 1000);
    EXPECT_TRUE(stul->cmdRozdej->Enabled());
    EXPECT_EQ(stul->focusWidget(), stul->cmdRozdej);
    EXPECT_FALSE(stul->tmrTah->Enabled());
    // The finished game stays on the table until the next deal.
    EXPECT_TRUE(stul->picKarta(3).Visible());
}

TEST_F(TableTest, AGameWonPaysTheWholeStakeAndTheNextDealClearsTheTable)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Osma, Zaludy) });
    Stake(2); // 500 Kč
    Stake(0); // 100 Kč
    DrawFromDeck();
    Stand();
    ScriptThresholds({ 17, 17, 18 });
    PlayComputersTurn();
    EXPECT_EQ(stul->lblBody_PC->Caption(), "18");
    EXPECT_EQ(Penezenka, 1000 - 600 + 1200);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "1600");
    EXPECT_EQ(OfferedNotes(), (std::vector<bool> { true, true, true, true, false, false }));

    Deal({ K(Eso, Srdce) });
    EXPECT_EQ(stul->picKarta.Count(), 1);
    EXPECT_EQ(stul->lblBody_JA->Caption(), "11");
    EXPECT_EQ(stul->lblBody_PC->Caption(), "0");
    EXPECT_EQ(stul->lblSazka->Caption(), "Sázejte !");
}

TEST_F(TableTest, AFirstSevenGivenBackIsRedrawnWithoutAStake)
{
    Start();
    Deal({ K(Sedma, Kule), K(Desitka, Listy), K(Devitka, Srdce) });
    ClickCard(0);
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 0);
    EXPECT_FALSE(stul->picKarta(0).Visible());
    EXPECT_EQ(stul->lblBody_JA->Caption(), "0");

    // No card held: the banknotes are inert and the deck deals a new first card for free.
    Stake(0);
    EXPECT_EQ(stul->lblSazka->Caption(), "Sázejte !");
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    EXPECT_TRUE(stul->picKarta(0).Visible());
    EXPECT_EQ(stul->lblBody_JA->Caption(), "10");
    EXPECT_FALSE(stul->cmdDost->Enabled());

    // Staking starts again, and a card that is not a seven cannot be given back.
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    Stake(1);
    EXPECT_EQ(stul->Stake(), 400);
    ClickCard(0);
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
}

TEST_F(TableTest, APlayerOverTwentyOneCannotDrawButWatchesTheComputersWholeTurn)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Osma, Srdce), K(Desitka, Zaludy), K(Devitka, Listy) });
    Stake(0);
    DrawFromDeck();
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "27");
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 3);

    Stand();
    ScriptThresholds({ 17, 17, 17 });
    EXPECT_EQ(PlayComputersTurn(), 3);
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 2);
    EXPECT_EQ(Penezenka, 900);
}

TEST_F(TableTest, TwentyOneStopsTheDeckAndASevenTakingThePlayerOverCanBeGivenBack)
{
    Start();
    Deal({ K(Desitka, Listy), K(Osma, Kule), K(Sedma, Srdce), K(Kral, Zaludy), K(Eso, Listy), K(Eso, Kule) });
    Stake(0);
    DrawFromDeck();
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "25");
    ClickCard(1); // any card: only the last one, a seven, goes back
    EXPECT_EQ(stul->lblBody_JA->Caption(), "18");
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 2);
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "20");
    ClickCard(0); // a king is no seven
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 3);
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "31");
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 4);
}

TEST_F(TableTest, ExactlyTwentyOneEndsThePlayersDraws)
{
    Start();
    Deal({ K(Desitka, Listy), K(Eso, Kule), K(Sedma, Srdce) });
    Stake(0);
    DrawFromDeck();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "21");
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 2);
}

TEST_F(TableTest, APlayerWhoGaveBackASecondSevenMayStandWithOneCard)
{
    Start();
    Deal({ K(Desitka, Listy), K(Sedma, Kule), K(Desitka, Srdce), K(Desitka, Zaludy) });
    Stake(0);
    DrawFromDeck();
    ASSERT_TRUE(stul->cmdDost->Enabled());
    ClickCard(1);
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    EXPECT_TRUE(stul->cmdDost->Enabled());
    Stand();
    ScriptThresholds({ 17, 17, 17 });
    PlayComputersTurn();
    EXPECT_EQ(Penezenka, 900);
    EXPECT_TRUE(stul->cmdRozdej->Enabled());
}

TEST_F(TableTest, LosingTheLastCrownBringsTheRevolverAndOnlyTheWayOut)
{
    Start("1");
    EXPECT_EQ(OfferedNotes(), (std::vector<bool> { true, false, false, false, false, false }));
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Desitka, Zaludy) });
    Stake(0);
    EXPECT_EQ(stul->lblPenezenka->Caption(), "0");
    // The offer is fixed for the game: the note stays, but a press has nothing to stake.
    EXPECT_TRUE(stul->cmdBankovka(0).Visible());
    Stake(0);
    EXPECT_EQ(stul->Stake(), 200);
    DrawFromDeck();
    Stand();
    ScriptThresholds({ 17, 17, 17 });
    PlayComputersTurn();

    EXPECT_EQ(Penezenka, 0);
    EXPECT_TRUE(stul->picRevolver->Visible());
    EXPECT_FALSE(stul->cmdRub->Visible());
    EXPECT_FALSE(stul->cmdRozdej->Enabled());
    EXPECT_EQ(OfferedNotes(), std::vector<bool>(6, false));
    EXPECT_EQ(stul->focusWidget(), stul->cmdKonec);
    EXPECT_EQ(TheHistory().Ukaz(1), 0);
    EXPECT_EQ(TheHistory().Ukaz(2), 100);
}

TEST_F(TableTest, APurseWithoutAWholeNoteOffersNothingToStake)
{
    Start("0.5");
    EXPECT_EQ(stul->lblPenezenka->Caption(), "50");
    EXPECT_EQ(OfferedNotes(), std::vector<bool>(6, false));
    EXPECT_TRUE(stul->cmdRozdej->Enabled());
    EXPECT_FALSE(stul->picRevolver->Visible());

    Deal({ K(Desitka, Listy), K(Devitka, Kule) });
    Stake(0);
    DrawFromDeck();
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    EXPECT_EQ(Penezenka, 50);
}

TEST_F(TableTest, StartsRuinedWithoutMoney)
{
    for (const char* argument : { "abc", "-5", "0" }) {
        Start(QString::fromLatin1(argument));
        EXPECT_LT(Penezenka, 1) << argument;
        EXPECT_TRUE(stul->picRevolver->Visible()) << argument;
        EXPECT_FALSE(stul->cmdRozdej->Enabled()) << argument;
        EXPECT_EQ(stul->focusWidget(), stul->cmdKonec) << argument;
        EXPECT_EQ(OfferedNotes(), std::vector<bool>(6, false)) << argument;
        delete stul.data();
    }
}
