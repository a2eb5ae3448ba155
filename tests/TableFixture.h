// A table window started as the program starts it, with a pretend command line, scripted cards
// and thresholds, and the player's mouse.
#pragma once

#include "Karty.h"
#include "history/History.h"
#include "table/Penezenka.h"
#include "table/frmStul.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

class TableTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (stul)
            delete stul.data();
    }

    void Start(const QString& commandLine = QString())
    {
        platform.CommandLine = commandLine;
        platform.forms.OnLastUnloaded = [this] { programEnded = true; };
        stul = new frmStul(platform);
        stul->Show();
    }

    // The next shuffle deals these cards from the top, in this order; the rest of the deck follows
    // in card order. Each card takes exactly one random number, so nothing else is consumed.
    void ScriptDeck(std::initializer_list<std::int16_t> fromTop)
    {
        std::array<std::int16_t, 32> slotOf {};
        std::vector<bool> placed(32, false);
        std::int16_t slot = 31;
        for (const std::int16_t card : fromTop) {
            slotOf[static_cast<std::size_t>(card)] = slot--;
            placed[static_cast<std::size_t>(card)] = true;
        }
        for (std::int16_t card = 0; card < 32; ++card)
            if (!placed[static_cast<std::size_t>(card)])
                slotOf[static_cast<std::size_t>(card)] = slot--;
        for (const std::int16_t s : slotOf)
            platform.rnd.Script((static_cast<float>(s) + 0.5f) / 32.0f);
    }

    // Thresholds for the computer's next ticks: 17 or 18 each.
    void ScriptThresholds(std::initializer_list<int> thresholds)
    {
        for (const int t : thresholds)
            platform.rnd.Script(t == 17 ? 0.25f : 0.75f);
    }

    void Deal(std::initializer_list<std::int16_t> fromTop)
    {
        ScriptDeck(fromTop);
        QTest::mouseClick(stul->cmdRozdej, Qt::LeftButton);
    }

    void Stake(std::int16_t index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&stul->cmdBankovka(index), button);
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
};
