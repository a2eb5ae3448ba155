// A table window started as the program starts it, with a pretend command line, scripted cards
// and thresholds, and the player's mouse.
#pragma once

#include "Karty.h"
#include "Windows.h"
#include "history/History.h"
#include "history/Penezenka.h"
#include "table/frmStul.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

class TableTest : public ::testing::Test {
protected:
    // The run's record is program-wide; each test is a run of its own.
    void SetUp() override { TheHistory() = History(); }

    void TearDown() override
    {
        if (stul)
            delete stul.data();
        // The windows the table opened on its way out.
        DeleteAllForms();
    }

    void Start(const QString& commandLine = QString())
    {
        platform.CommandLine = commandLine;
        // A bank's tick or a shuffle a test does not script goes the same way in every run.
        platform.rnd.HoldSeed(0x1ca);
        platform.forms.OnLastUnloaded = [this] { programEnded = true; };
        platform.announcer.OnSay = [this](const QString& text) { said << text; };
        // A real question box would wait for a player who is not there.
        platform.msgBox.AnswerWith([](const QString& prompt) {
            ADD_FAILURE() << "unexpected question: " << prompt.toStdString();
            return MessageBox::Answer::No;
        });
        stul = new frmStul(platform);
        stul->Show();
    }

    // Thresholds for the computer's next ticks: 17 or 18 each.
    void ScriptThresholds(std::initializer_list<int> thresholds)
    {
        for (const int t : thresholds)
            ScriptThreshold(platform.rnd, t);
    }

    void Deal(const std::vector<std::int16_t>& fromTop)
    {
        ScriptDeck(platform.rnd, fromTop);
        QTest::mouseClick(stul->cmdRozdej, Qt::LeftButton);
    }

    void Stake(std::int16_t index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&stul->cmdBankovka(index), button);
    }

    // Alt with the underlined letter.
    void AccessKey(Qt::Key key, CommandButton* button)
    {
        QApplication::setActiveWindow(stul);
        QSignalSpy clicks(button, &CommandButton::Click);
        QTest::keyClick(stul, key, Qt::AltModifier);
        ASSERT_EQ(clicks.count(), 1);
    }

    void DrawFromDeck() { QTest::mouseClick(stul->cmdRub, Qt::LeftButton); }
    void ClickCard(std::int16_t index) { QTest::mouseClick(&stul->picKarta(index), Qt::LeftButton); }
    void Stand() { QTest::mouseClick(stul->cmdDost, Qt::LeftButton); }

    // Ticks the computer's turn until it ends; returns the number of ticks.
    int PlayComputersTurn()
    {
        int ticks = 0;
        while (stul->tmrTah->Enabled() && ticks < 40) {
            stul->tmrTah->Tick();
            ++ticks;
        }
        return ticks;
    }

    std::vector<bool> OfferedNotes() const
    {
        std::vector<bool> offered;
        for (std::int16_t i = 0; i < stul->cmdBankovka.Count(); ++i)
            offered.push_back(stul->cmdBankovka(i).Visible());
        return offered;
    }

    Platform platform;
    QPointer<frmStul> stul;
    bool programEnded = false;
    // What a screen reader was given to say.
    QStringList said;
};
