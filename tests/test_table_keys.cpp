// The table from the keyboard, with the physical keys a Czech keyboard sends: each key acts
// exactly when its mouse action would.
#include "TableFixture.h"

#include "history/Banknotes.h"
#include "info/frmInfo.h"
#include "ui/Application.h"
#include "ui/access/ScreenReaderKeys.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusServer>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include <functional>
#include <tuple>

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

    // Enter on the deck draws, once however long it is held.
    for (const bool repeat : { false, true })
        QTest::simulateEvent(stul->cmdRub, true, Qt::Key_Return, Qt::NoModifier, {}, repeat);
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
// may open a window: the click comes under it, where no mouse could click, and does nothing, which
// the player hears.
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
    EXPECT_EQ(said.count("Nic se nestalo, je otevřené jiné okno."), 4);
}

// A screen reader may take seconds over a key, and its registry may stall. What the player pressed
// acts in the order pressed, each key where the focus is as it comes; a key the screen reader keeps
// never; a registry that stalls holds the keys once, for a bound, and is asked again.
TEST_F(TableKeys, WhatThePlayerPressesActsInTheOrderPressedHoweverLateTheScreenReaderAnswers)
{
    // Keys as typed ("Del", "Alt+D") and a "click" on Dost come the window system's way; "passed:N",
    // "kept:N", "failed:N" answer every question about the Nth key typed; "@ms" sets the clock and
    // runs the bound's timer. Then: the cards held, the stake, whether the player stood.
    const std::vector<std::tuple<const char*, const char*, int, std::int32_t, bool>> cases = {
        { "a click waits behind a key", "Del click passed:1", 3, 200, true },
        { "a key the screen reader keeps never acts", "Del click kept:1", 2, 200, true },
        { "keys act in the order typed", "7 Del passed:2 passed:1", 2, 200, false },
        { "an access key waits for the keys before it", "7 Alt+D passed:1 passed:2", 1, 200, true },
        { "a stalled registry holds the keys up to the bound", "Del click @9999 kept:1", 2, 200, true },
        { "and lets them go at the bound", "Del click @10000 kept:1", 3, 200, true },
        { "for the keys held together", "Del @5000 Del @10000 kept:1 kept:2", 4, 200, false },
        { "once, not for each key, until it answers", "Del @10000 Del passed:1 Del kept:3", 4, 200, false },
        { "keys after an error do not wait", "Del failed:1 Del kept:2", 4, 200, false },
        { "nor overtake a key that does", "7 1 failed:2 Del passed:1", 2, 400, false },
    };
    ScreenReaderKeys& presses = static_cast<Application*>(qApp)->Presses();
    const auto [listening, registry, now] = std::tuple(presses.listening, presses.ask, presses.now);
    std::vector<std::vector<ScreenReaderKeys::Reply>> asked;
    qint64 clock = 0;
    presses.ask = [&](const QKeyEvent&, ScreenReaderKeys::Reply reply) { asked.back().push_back(reply); };
    presses.now = [&] { return clock; };
    for (const auto& [name, steps, cards, stake, stood] : cases) {
        delete stul.data();
        Start();
        QApplication::setActiveWindow(stul);
        Deal({ K(Devitka, Listy), K(Sedma, Kule), K(Spodek, Srdce), K(Spodek, Zaludy), K(Svrsek, Listy) });
        Digit(1);
        Delete();
        asked.clear(), clock = 0;
        presses.listening = [] { return true; };
        for (const QString& step : QString::fromLatin1(steps).split(u' ')) {
            if (step == "click") {
                QTest::mouseClick(stul->cmdDost, Qt::LeftButton);
            } else if (step.startsWith(u'@')) {
                clock = step.mid(1).toLongLong();
                presses.Tick();
            } else if (step.contains(u':')) { // the answers in the order of ScreenReaderKeys::Answer
                const auto answer = QStringList { "kept", "passed", "failed" }.indexOf(step.section(u':', 0, 0));
                for (const auto& reply : asked.at(step.section(u':', 1).toUInt() - 1))
                    reply(static_cast<ScreenReaderKeys::Answer>(answer));
            } else {
                asked.emplace_back();
                const QKeyCombination key = QKeySequence(step)[0];
                QTest::keyClick(stul->windowHandle(), key.key(), key.keyboardModifiers());
            }
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !presses.Holding(); }, 60000));
        presses.listening = listening;
        EXPECT_TRUE(stul->Hra().PocetMychKaret() == cards && stul->Stake() == stake && stul->tmrTah->Enabled() == stood
            && presses.Answering())
            << name;
    }
    // The registry's error is no answer: one that has nothing to tell about keys errs.
    QDBusServer bus(QStringLiteral("unix:tmpdir=") + QDir::tempPath());
    EXPECT_TRUE(QDBusConnection::connectToPeer(bus.address(), QStringLiteral("a11y")).isConnected());
    presses.ask = registry, presses.listening = [] { return true; };
    QTest::keyClick(stul->windowHandle(), Qt::Key_Shift);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !presses.Answering(); }, 60000));
    QDBusConnection::disconnectFromPeer(QStringLiteral("a11y"));
    presses.listening = listening, presses.now = now;
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
