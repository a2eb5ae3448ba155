// Leaving the table: the pay-out question, a No that changes nothing, and the way to the last
// screen, with the computer's turn paused while the question is open.
#include "TableFixture.h"

#include "payout/frmPlocha.h"

class Closing : public TableTest {
protected:
    // Answers the question, and notes what the table looked like while it was open.
    void Answer(MessageBox::Answer answer)
    {
        platform.msgBox.AnswerWith([this, answer](const QString&) {
            turnRanWhileAsked = stul->tmrTah->Enabled() || stul->tmrTah->Tick();
            return answer;
        });
    }

    bool turnRanWhileAsked = false;
};

TEST_F(Closing, ThePayOutIsOfferedOnlyWithMoneyInThePurse)
{
    struct Case {
        const char* argument;
        bool asked;
    };
    for (const Case c : { Case { "10", true }, Case { "0", false }, Case { "-5", false } }) {
        SCOPED_TRACE(c.argument);
        Start(QString::fromLatin1(c.argument));
        Answer(MessageBox::Answer::Yes);
        // In the ruin display the focus is on "Konec": Enter presses it.
        QTest::keyClick(c.asked ? static_cast<QWidget*>(stul->cmdKonec) : stul->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(platform.msgBox.Asked(),
            c.asked ? QStringList { QStringLiteral("Opravdu mám vyplatit výhru ?") } : QStringList {});
        EXPECT_FALSE(stul->isVisible());
        EXPECT_FALSE(stul->IsLoaded());
        EXPECT_NE(Shown<frmPlocha>(), nullptr);
        EXPECT_EQ(said.last(),
            (c.asked ? QStringLiteral("Vyplaceno 1000 korun.") : QStringLiteral("Vše prohráno."))
                + QStringLiteral(" Hru ukončí kterákoli klávesa."));
        TearDown();
        platform.msgBox = MessageBox(&platform.forms);
    }
}

TEST_F(Closing, NoDuringTheComputersTurnPausesItAndLetsItGoOnAtTheNextTick)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Sedma, Zaludy), K(Osma, Listy) });
    Stake(0);
    DrawFromDeck();
    Stand();
    ScriptThresholds({ 17 });
    stul->tmrTah->Tick();
    ASSERT_EQ(stul->Hra().PocetPCKaret(), 1);

    Answer(MessageBox::Answer::No);
    QTest::mouseClick(stul->cmdKonec, Qt::LeftButton);
    EXPECT_FALSE(turnRanWhileAsked);
    EXPECT_TRUE(stul->isVisible());
    EXPECT_TRUE(stul->tmrTah->Enabled());
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 1);
    EXPECT_EQ(Shown<frmPlocha>(), nullptr);

    ScriptThresholds({ 17, 17 });
    EXPECT_EQ(PlayComputersTurn(), 2);
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 2);
    EXPECT_EQ(Penezenka, 1100);

    // Between games the timer stays off, asked by the close box as by "Konec".
    EXPECT_FALSE(stul->close());
    EXPECT_FALSE(turnRanWhileAsked);
    EXPECT_FALSE(stul->tmrTah->Enabled());
    EXPECT_TRUE(stul->cmdRozdej->Enabled());
    EXPECT_EQ(platform.msgBox.Asked().size(), 2);
}

TEST_F(Closing, YesWithAStakeOnTheTableForfeitsTheStake)
{
    Start();
    Deal({ K(Desitka, Listy) });
    Stake(2);
    // Five 100 Kč notes pay out the 500 Kč left in the purse, each taking three random numbers;
    // the one left over shows that nothing more was paid.
    for (int i = 0; i < 16; ++i)
        platform.rnd.Script(0.0f);
    Answer(MessageBox::Answer::Yes);
    EXPECT_TRUE(stul->close());
    EXPECT_FALSE(stul->isVisible());
    EXPECT_NE(Shown<frmPlocha>(), nullptr);
    EXPECT_EQ(platform.rnd.ScriptedLeft(), 1u);
    EXPECT_EQ(Penezenka, 0);
    EXPECT_FALSE(programEnded);
}

// Closing while the bank plays: the last screen takes over, and no tick of the unfinished turn
// may reach the table on its way out.
TEST_F(Closing, YesDuringTheComputersTurnEndsTheTurnForGood)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Sedma, Zaludy) });
    Stake(0);
    DrawFromDeck();
    Stand();
    ScriptThresholds({ 17 });
    stul->tmrTah->Tick();
    const auto records = TheHistory().celkem();

    Answer(MessageBox::Answer::Yes);
    EXPECT_TRUE(stul->close());
    EXPECT_FALSE(stul->tmrTah->Enabled());
    EXPECT_FALSE(stul->tmrTah->Tick());
    EXPECT_EQ(TheHistory().celkem(), records);
    EXPECT_NE(Shown<frmPlocha>(), nullptr);
}
