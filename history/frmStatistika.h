// The chart of the purse over the run, against the starting amount.
#pragma once

#include "ui/designs/frmStatistikaDesign.h"

class frmStatistika : public frmStatistikaDesign {
    Q_OBJECT
public:
    explicit frmStatistika(Platform& platform);

    // What the chart shows, in words.
    static QString Souhrn();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;
};
