// The table from the keyboard, with the physical keys a Czech keyboard sends: each key acts
// exactly when its mouse action would.
#include "TableFixture.h"

#include "history/Banknotes.h"
#include "info/frmInfo.h"
#include "ui/access/ScreenReaderKeys.h"

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

    // F1, with the information window closed again from inside its modal show; notes whether the
    // computer could play meanwhile.
    void F1()
    {
        QTimer::singleShot(0, stul, [this] {
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
        // Enter and Space press a button, which a note only shows: its mouse buttons and digits stake.
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape })
            QTest::keyClick(&stul->cmdBankovka(static_cast<std::int16_t>(d - 1)), key);
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

// A screen reader's Press shows a button down for a moment before it clicks. A key in that moment
// may open a window: the click comes under it, where no mouse could click, and does nothing.
TEST_F(TableKeys, APressOnItsWayDoesNothingUnderAWindowThatAKeyOpenedMeanwhile)
{
    Start();
    const auto race = [this](CommandButton* pressed, const std::function<void()>& key) {
        QApplication::setActiveWindow(stul);
        QSignalSpy clicked(pressed, &QAbstractButton::clicked);
        QAccessible::queryAccessibleInterface(pressed)->actionInterface()->doAction(QStringLiteral("Press"));
        QTimer::singleShot(0, stul, [&clicked] {
            EXPECT_TRUE(QTest::qWaitFor([&clicked] { return clicked.count() > 0; }, 60000));
            // The help goes as its close box would take it, the question answering No.
            QApplication::activeModalWidget()->close();
        });
        key();
    };
    race(stul->cmdRozdej, [this] { Press(Qt::Key_F1, Qt::NoModifier, 67); });
    EXPECT_TRUE(stul->cmdRozdej->Enabled() && stul->lblSazka->Caption() == "0");

    Deal({ K(Desitka, Listy), K(Devitka, Kule) });
    Digit(1);
    Delete();
    race(stul->cmdDost, [this] { Press(Qt::Key_F1, Qt::NoModifier, 67); });
    platform.msgBox.AnswerWith({});
    race(stul->cmdDost, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier); });
    platform.msgBox.AnswerWith([](const QString&) { return MessageBox::Answer::No; });
    race(stul->cmdKonec, [this] { Press(Qt::Key_F1, Qt::NoModifier, 67); });
    EXPECT_EQ(platform.msgBox.Asked().size(), 1);
    EXPECT_TRUE(stul->PlayersTurn() && !stul->tmrTah->Enabled());
}

// A screen reader may take seconds over a key. One it keeps never acts; the others act in order, each
// where the focus is as it comes; a registry that does not answer lets its key go on.
TEST_F(TableKeys, AKeyTheScreenReaderKeepsNeverActsHoweverLateItAnswers)
{
    Start();
    QApplication::setActiveWindow(stul);
    Deal({ K(Desitka, Listy), K(Devitka, Kule) });
    std::vector<ScreenReaderKeys::Reply> replies;
    ScreenReaderKeys keys([&](const QKeyEvent&, ScreenReaderKeys::Reply reply) { replies.push_back(reply); });
    const auto hold = [&](int key, int scanCode) {
        for (const auto type : { QEvent::KeyPress, QEvent::KeyRelease })
            keys.Hold(stul, QKeyEvent(type, key, Qt::NoModifier, static_cast<quint32>(scanCode), 0, 0));
    };
    using Answer = ScreenReaderKeys::Answer;
    const auto answer = [&](std::size_t key, Answer a) { replies.at(2 * key)(a), replies.at(2 * key + 1)(a); };
    hold(Qt::Key_2, 11), hold(Qt::Key_1, 10), hold(Qt::Key_F1, 67), hold(Qt::Key_3, 12);
    answer(1, Answer::Passed);
    QCoreApplication::processEvents();
    ExpectMoney(1000, 0);
    answer(0, Answer::Kept), answer(3, Answer::Passed), answer(2, Answer::Passed);
    QTimer closer; // F1 opens the help in an event loop of its own, where the keys after it come
    closer.callOnTimeout([&] {
        if (auto* info = qobject_cast<frmInfo*>(QApplication::activeModalWidget()); info && !keys.Holding())
            infoWasOpen = info->Unload();
    });
    closer.start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return infoWasOpen; }, 60000));
    ExpectMoney(900, 200);
    hold(Qt::Key_Delete, 119);
    answer(4, Answer::Failed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !keys.Holding(); }, 60000));
    EXPECT_TRUE(stul->Hra().PocetMychKaret() == 2 && !keys.Asking());
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
