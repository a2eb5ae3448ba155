// A monkey at the table: a seeded stream of random clicks, keys, resizes, side windows, close
// requests and timer ticks, with the engine's and the money's invariants checked after each.
// IXA_MONKEY_EVENTS sets the number of events (IXA_MONKEY_LONG=1 for a million), and
// IXA_MONKEY_SEED the seed, so that a failure can be replayed.
#include "TableFixture.h"

#include "info/frmInfo.h"
#include "ui/runtime/NumberText.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <limits>
#include <random>

namespace {
std::uint64_t setting(const char* name, std::uint64_t otherwise)
{
    bool ok = false;
    const auto value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : otherwise;
}

// Twice the player's money, so that half of the stake stays a whole number.
std::int64_t doubledMoney(const frmStul& stul)
{
    return 2 * std::int64_t { Penezenka } + stul.Stake();
}
} // namespace

class Monkey : public TableTest {
protected:
    using Step = std::function<void()>;

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(monkey); }
    bool Chance(int outOf) { return Pick(outOf) == 0; }

    void Restart()
    {
        if (stul)
            delete stul.data();
        static const char* const purses[] = { "", "10", "1", "0.5", "999999.99", "250", "-5", "abc" };
        Start(QString::fromLatin1(purses[Pick(8)]));
        platform.msgBox.AnswerWith([this](const QString&) {
            EXPECT_FALSE(stul->tmrTah->Enabled()) << "the computer plays while the question is open";
            return MessageBox::Answer::No;
        });
        // The table seeds from the clock; the monkey's run must replay from its seed alone.
        platform.rnd.Seed(static_cast<std::uint32_t>(monkey()));
        QApplication::setActiveWindow(stul);
    }

    QWidget* AnyControl()
    {
        std::vector<QWidget*> controls { stul->cmdRozdej, stul->cmdDost, stul->cmdKonec, stul->cmdRub, stul->lblBody_JA,
            stul->lblBody_PC, stul->lblPenezenka, stul->lblSazka, stul->picRevolver, stul->lblNapoveda, stul.data() };
        for (std::int16_t i = 0; i < stul->cmdBankovka.Count(); ++i)
            controls.push_back(&stul->cmdBankovka(i));
        for (std::int16_t i = 0; i <= stul->picKarta.UBound(); ++i)
            if (stul->picKarta.Exists(i))
                controls.push_back(&stul->picKarta(i));
        return controls[static_cast<std::size_t>(Pick(static_cast<int>(controls.size())))];
    }

    Qt::KeyboardModifiers AnyModifiers()
    {
        Qt::KeyboardModifiers m;
        if (Chance(3))
            m |= Qt::ShiftModifier;
        if (Chance(8))
            m |= Qt::ControlModifier;
        if (Chance(8))
            m |= Qt::AltModifier;
        return m;
    }

    void SendKey(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode, bool autoRepeat = false)
    {
        QWidget* target = stul->focusWidget() ? stul->focusWidget() : stul.data();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(target, &release);
    }

    // A main-row digit as a US or a Czech keyboard sends it: the physical key is the same.
    void Digit(int d)
    {
        static const int czech[] = { Qt::Key_Plus, 0x11a, 0x160, 0x10c, 0x158, 0x17d, Qt::Key_Yacute };
        static const int usShifted[] = { Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar,
            Qt::Key_Percent, Qt::Key_AsciiCircum, Qt::Key_Ampersand };
        const Qt::KeyboardModifiers modifiers = AnyModifiers();
        const bool shift = modifiers & Qt::ShiftModifier;
        const bool czechLayout = Chance(2);
        const int key
            = czechLayout ? (shift ? Qt::Key_0 + d : czech[d - 1]) : (shift ? usShifted[d - 1] : Qt::Key_0 + d);
        SendKey(key, modifiers, static_cast<quint32>(9 + d), Chance(5));
    }

    // The access key waits for its button's click only when one will come.
    void AccessKey()
    {
        static const Qt::Key letters[] = { Qt::Key_R, Qt::Key_D, Qt::Key_K };
        CommandButton* buttons[] = { stul->cmdRozdej, stul->cmdDost, stul->cmdKonec };
        const int which = Pick(3);
        CommandButton* button = buttons[which];
        QSignalSpy clicks(button, &CommandButton::Click);
        QApplication::setActiveWindow(stul);
        QTest::keyClick(stul, letters[which], Qt::AltModifier);
        // The click comes a moment later; waiting for it keeps the run the same from the same seed.
        if (button->isVisible() && button->isEnabled() && clicks.isEmpty())
            clicks.wait(stul->isMinimized() ? 300 : 1000);
    }

    // F1 opens the information window modally; inside it the monkey reads the help, maybe opens
    // the chart, and closes everything again.
    void F1()
    {
        QTimer::singleShot(0, stul, [this] {
            EXPECT_FALSE(stul->tmrTah->Enabled()) << "the computer plays while the information window is open";
            auto* info = qobject_cast<frmInfo*>(QApplication::activeModalWidget());
            ASSERT_NE(info, nullptr);
            for (int clicks = Pick(3); clicks > 0; --clicks)
                QTest::mouseClick(Chance(2) ? info->cmdPravidla : info->cmdOvladani, Qt::LeftButton);
            if (Chance(3)) {
                QTimer::singleShot(0, info, [] {
                    if (auto* chart = qobject_cast<Form*>(QApplication::activeModalWidget()))
                        chart->close();
                });
                QTest::mouseClick(info->cmdStatistika, Qt::LeftButton);
            }
            if (Chance(2))
                QTest::mouseClick(info->cmdOK, Qt::LeftButton);
            else
                info->close();
        });
        SendKey(Qt::Key_F1, AnyModifiers(), 67);
    }

    void Resize()
    {
        switch (Pick(4)) {
        case 0: stul->showMinimized(); break;
        case 1: stul->showMaximized(); break;
        default:
            stul->showNormal();
            stul->resize(1 + Pick(Chance(4) ? 60 : 1400), 1 + Pick(Chance(4) ? 60 : 1000));
            break;
        }
    }

    void Click()
    {
        QWidget* control = AnyControl();
        if (!control->isVisible() || stul->isMinimized())
            return;
        static const Qt::MouseButton buttons[] = { Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
        const QPoint at(Pick(std::max(control->width(), 1)), Pick(std::max(control->height(), 1)));
        QTest::mouseClick(control, buttons[Pick(4)], AnyModifiers() & Qt::ShiftModifier, at);
    }

    void OneEvent()
    {
        const int roll = Pick(1000);
        if (roll < 400)
            Click();
        else if (roll < 650)
            Digit(1 + Pick(7));
        else if (roll < 730)
            SendKey(Qt::Key_Delete, AnyModifiers(), 119);
        else if (roll < 780)
            QTest::keyClick(
                stul->focusWidget() ? stul->focusWidget() : stul.data(), Chance(2) ? Qt::Key_Return : Qt::Key_Space);
        else if (roll < 781)
            AccessKey();
        else if (roll < 786)
            F1();
        else if (roll < 806)
            Resize();
        else if (roll < 811)
            stul->close();
        else if (roll < 990)
            stul->tmrTah->Tick();
        else
            stul->tmrZmiz->Tick();
    }

    // What the engine and the table must always agree on, whatever happened.
    void CheckInvariants()
    {
        clsHra21& hra = stul->Hra();
        ASSERT_GE(hra.PocetMychKaret(), 0);
        ASSERT_GE(hra.PocetPCKaret(), 0);
        ASSERT_EQ(hra.UkazPocetObrazku(), hra.PocetMychKaret() + hra.PocetPCKaret());
        ASSERT_GE(hra.UkazVrchni(), -1);
        const auto& deck = hra.UkazBalicek();
        const bool shuffled = std::any_of(deck.begin(), deck.end(), [](const Karta& k) { return k.Cislo != 0; });
        int held = 0;
        for (std::int16_t slot = hra.UkazVrchni() + 1; shuffled && slot < 32; ++slot)
            held += deck[static_cast<std::size_t>(slot)].Rezerva == 0;
        ASSERT_EQ(held, hra.UkazPocetObrazku()) << "cards off the deck and not given back are the cards held";
        int shown = 0;
        for (std::int16_t i = 0; i <= stul->picKarta.UBound(); ++i)
            shown += stul->picKarta.Exists(i) && stul->picKarta(i).Visible();
        ASSERT_EQ(shown, hra.UkazPocetObrazku());
        ASSERT_EQ(stul->lblBody_JA->Caption(), CStr(hra.UkazBody_JA()));
        ASSERT_EQ(stul->lblBody_PC->Caption(), CStr(hra.UkazBody_PC()));
        ASSERT_GE(hra.UkazBody_JA(), 0);
        ASSERT_GE(hra.UkazBody_PC(), 0);
        ASSERT_FALSE(stul->PlayersTurn() && stul->tmrTah->Enabled());

        ASSERT_GE(stul->Stake(), 0);
        ASSERT_EQ(stul->Stake() % 200, 0);
        ASSERT_LE(std::int64_t { Penezenka } + stul->Stake(), std::numeric_limits<std::int32_t>::max());
    }

    std::mt19937_64 monkey;
};

TEST_F(Monkey, RandomEventsNeverBreakTheGameOrMoveMoneyOutsideASettledGame)
{
    const std::uint64_t seed = setting("IXA_MONKEY_SEED", 20261207);
    const std::uint64_t events
        = setting("IXA_MONKEY_EVENTS", qEnvironmentVariableIntValue("IXA_MONKEY_LONG") ? 1000000 : 100000);
    monkey.seed(seed);
    Restart();

    std::uint64_t settled = 0, restarts = 0;
    QElapsedTimer clock;
    clock.start();
    for (std::uint64_t e = 0; e < events; ++e) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", event " << e);
        // With no note on offer (the revolver, or a purse below 100 Kč) only the end is left.
        if (!stul->cmdBankovka(0).Visible() && Chance(20)) {
            Restart();
            ++restarts;
        }
        const bool turnRunning = stul->tmrTah->Enabled();
        const std::int64_t before = doubledMoney(*stul);
        const std::int32_t stake = stul->Stake();

        const std::int32_t purse = Penezenka;
        OneEvent();
        if (HasFatalFailure() || HasFailure())
            break;
        ASSERT_TRUE(stul) << "the table went away";
        if (!stul->IsLoaded()) {
            // Closing with nothing to pay out asks nothing: the run is over, and a new one begins.
            ASSERT_LE(purse, 0) << "the run ended without the question";
            TearDown();
            Restart();
            ++restarts;
            continue;
        }

        const std::int64_t after = doubledMoney(*stul);
        if (turnRunning && !stul->tmrTah->Enabled()) {
            ++settled;
            ASSERT_TRUE(after == before + stake || after == before - stake)
                << "a settled game moves the player's money by half the stake";
            ASSERT_EQ(stul->Stake(), 0);
            ASSERT_EQ(TheHistory().Ukaz(1), Penezenka);
        } else {
            ASSERT_EQ(after, before) << "money moved outside a settled game";
        }
        ASSERT_NO_FATAL_FAILURE(CheckInvariants());
        if (e % 64 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::cout << "[ monkey   ] " << events << " events, seed " << seed << ", " << settled << " games settled, "
              << restarts << " restarts, " << clock.elapsed() << " ms\n";
    EXPECT_GT(settled, events / 1000);
}
