// The table from the keyboard, with the physical keys a Czech keyboard sends: each key acts
// exactly when its mouse action would.
#include "TableFixture.h"

#include "info/frmInfo.h"
#include "ui/Banknotes.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

#include <functional>

class TableKeys : public TableTest {
protected:
    // One key press as X11 reports it: the key the layout makes of it, and the physical key.
    void Press(
        int key, Qt::KeyboardModifiers modifiers, quint32 scanCode, const QString& text = {}, bool autoRepeat = false)
    {
        QWidget* target = stul->focusWidget() ? stul->focusWidget() : stul.data();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text, autoRepeat);
        QApplication::sendEvent(target, &press);
    }

    // The main-row digit d on a Czech layout, alone or with modifiers: "+ěščřžý", Shift the digits.
    void Digit(int d, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
    {
        static const int czech[] = { Qt::Key_Plus, 0x11a, 0x160, 0x10c, 0x158, 0x17d, Qt::Key_Yacute };
        const bool shifted = modifiers & Qt::ShiftModifier;
        Press(shifted ? Qt::Key_0 + d : czech[d - 1], modifiers, static_cast<quint32>(9 + d), {}, autoRepeat);
    }

    void Delete() { Press(Qt::Key_Delete, Qt::NoModifier, 119); }

    // F1, with the information window closed again from inside its modal show, once `until` holds;
    // notes whether the computer could play meanwhile.
    void F1(const std::function<bool()>& until = {})
    {
        QTimer::singleShot(0, stul, [this, until] {
            if (until) {
                EXPECT_TRUE(QTest::qWaitFor(until, 60000));
            }
            turnRanWhileOpen = stul->tmrTah->Enabled() || stul->tmrTah->Tick();
            infoWasOpen = qobject_cast<frmInfo*>(QApplication::activeModalWidget()) != nullptr;
            if (auto* info = qobject_cast<Form*>(QApplication::activeModalWidget()))
                info->Unload();
        });
        Press(Qt::Key_F1, Qt::NoModifier, 67);
    }

    void ExpectMoney(std::int32_t purse, std::int32_t stake)
    {
        EXPECT_EQ(Penezenka, purse);
        EXPECT_EQ(stul->Stake(), stake);
    }

    bool turnRanWhileOpen = false;
    bool infoWasOpen = false;
};

TEST_F(TableKeys, AWholeGameFromTheKeyboardWithEachKeyActingOnlyWhenItsMouseActionWould)
{
    Start();
    // Before the first deal the deck, the notes and the seven do nothing.
    Delete();
    Digit(1);
    Digit(7);
    ExpectMoney(1000, 0);
    EXPECT_EQ(stul->lblSazka->Caption(), "0");

    ScriptDeck(platform.rnd, { K(Desitka, Listy), K(Sedma, Kule), K(Eso, Srdce), K(Desitka, Zaludy), K(Sedma, Listy) });
    AccessKey(Qt::Key_R, stul->cmdRozdej);
    ASSERT_EQ(stul->Hra().PocetMychKaret(), 1);

    Delete(); // no stake yet: no second card
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 1);
    Digit(1);
    ExpectMoney(900, 200);
    Digit(1, Qt::ControlModifier);
    Digit(1, Qt::AltModifier);
    Digit(1, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_1, Qt::KeypadModifier, 87, QStringLiteral("1"));
    ExpectMoney(900, 200);
    // A held key stakes once per repeat.
    for (int repeat = 0; repeat < 3; ++repeat)
        Digit(1, Qt::NoModifier, repeat > 0);
    ExpectMoney(600, 800);

    Delete();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "17");
    EXPECT_EQ(stul->focusWidget(), stul->cmdDost);
    Digit(7);
    EXPECT_EQ(stul->lblBody_JA->Caption(), "10");
    Delete();
    EXPECT_EQ(stul->lblBody_JA->Caption(), "21");
    Delete(); // at 21 the deck is closed
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 2);

    QTest::keyClick(stul->focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(stul->tmrTah->Enabled());
    ScriptThresholds({ 17, 17 });
    stul->tmrTah->Tick();
    stul->tmrTah->Tick();
    ASSERT_EQ(stul->lblBody_PC->Caption(), "17");
    // The computer's last card is a seven, but the player has stood: neither hand gives it back.
    Digit(7);
    Digit(3);
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 2);
    EXPECT_EQ(stul->lblBody_PC->Caption(), "17");
    ExpectMoney(600, 800);

    ScriptThresholds({ 17 });
    PlayComputersTurn();
    ExpectMoney(1400, 0);
    Digit(7);
    Digit(1);
    ExpectMoney(1400, 0);
}

// Each of the digits 1 to 6 is its note, from 100 to 5000 Kč: alone it stakes it, with Shift it
// takes it back.
TEST_F(TableKeys, EachDigitStakesItsNoteAndTakesItBackWithShift)
{
    Start(QStringLiteral("100"));
    Deal({ K(Desitka, Listy) });
    for (int d = 1; d <= 6; ++d) {
        SCOPED_TRACE(d);
        const std::int32_t note = HodnotaBankovkyOf(static_cast<std::int16_t>(d - 1));
        Digit(d);
        ExpectMoney(10000 - note, 2 * note);
        Digit(d, Qt::ShiftModifier);
        ExpectMoney(10000, 0);
    }
}

TEST_F(TableKeys, F1PausesTheComputersTurnWhileTheInformationWindowIsOpen)
{
    Start();
    Deal({ K(Desitka, Listy), K(Devitka, Kule), K(Desitka, Srdce), K(Desitka, Zaludy) });
    Digit(1);
    Delete();
    AccessKey(Qt::Key_D, stul->cmdDost);
    ScriptThresholds({ 17 });
    stul->tmrTah->Tick();

    F1();
    EXPECT_TRUE(infoWasOpen);
    EXPECT_FALSE(turnRanWhileOpen);
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 1);
    ASSERT_TRUE(stul->tmrTah->Enabled());
    ScriptThresholds({ 17, 17 });
    EXPECT_EQ(PlayComputersTurn(), 2);
    EXPECT_EQ(stul->Hra().PocetPCKaret(), 2);

    // Between games the turn stays off.
    infoWasOpen = false;
    F1();
    EXPECT_TRUE(infoWasOpen);
    EXPECT_FALSE(stul->tmrTah->Enabled());
}

// Alt+D shows "Dost" pressed for a moment before it stands. F1 within that moment must not leave
// a game with nobody to play: the stand lands behind the window, and the turn starts after it.
TEST_F(TableKeys, AStandOnItsWayWhenF1OpensTheWindowStillStartsTheComputersTurn)
{
    Start();
    QApplication::setActiveWindow(stul);
    ScriptDeck(platform.rnd, { K(Desitka, Listy), K(Devitka, Kule) });
    QTest::keyClick(stul, Qt::Key_R, Qt::AltModifier);
    Digit(1); // typed right behind the access key, which deals at once
    QTest::keyClick(&stul->cmdBankovka(0), Qt::Key_Return); // Enter on a note stakes it as a click does
    ExpectMoney(800, 400);
    Delete();
    QAccessible::queryAccessibleInterface(stul->cmdDost)->actionInterface()->doAction(QStringLiteral("Press"));
    ASSERT_TRUE(stul->PlayersTurn());
    F1([this] { return !stul->PlayersTurn(); });
    EXPECT_FALSE(stul->PlayersTurn());
    EXPECT_TRUE(stul->tmrTah->Enabled());
}

// The staking window is the player's own turn: a player who gave back a second-card seven and
// stood with one card must not change the stake once the bank's cards are showing.
TEST_F(TableKeys, NotesDoNothingOnceThePlayerHasStood)
{
    Start();
    Deal({ K(Desitka, Listy), K(Sedma, Kule), K(Desitka, Srdce), K(Desitka, Zaludy) });
    Digit(1);
    Delete();
    Digit(7);
    ASSERT_EQ(stul->Hra().PocetMychKaret(), 1);
    AccessKey(Qt::Key_D, stul->cmdDost);
    ScriptThresholds({ 17 });
    stul->tmrTah->Tick();

    Digit(1, Qt::ShiftModifier);
    Stake(0, Qt::RightButton);
    Stake(1);
    ExpectMoney(900, 200);

    ScriptThresholds({ 17, 17 });
    PlayComputersTurn();
    ExpectMoney(900, 0);
    Digit(1);
    Stake(0);
    ExpectMoney(900, 0);
}
