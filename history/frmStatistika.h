// The chart of the purse over the run, against the starting amount.
#pragma once

#include "ui/frmStatistikaDesign.h"

class frmStatistika : public frmStatistikaDesign {
    Q_OBJECT
public:
    explicit frmStatistika(Platform& platform);

protected:
    void Form_Load() override;
    void Form_Resize() override;
};
