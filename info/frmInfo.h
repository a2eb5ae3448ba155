// The window about the game: its name, the credit lines, the rules, the controls, and the way to
// the statistics.
#pragma once

#include "ui/designs/frmInfoDesign.h"

#include <cstdint>

class frmInfo : public frmInfoDesign {
    Q_OBJECT
public:
    explicit frmInfo(Platform& platform);

    // The outer height with a help text open, in twips.
    static constexpr std::int32_t VyskaSNapovedou = 6900;

protected:
    void Form_Load() override;
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;

private:
    void cmdPravidla_Click();
    void cmdOvladani_Click();
    void cmdStatistika_Click();
    void cmdOK_Click();
};
