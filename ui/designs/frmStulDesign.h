// The table window as designed: its controls, their places, fonts, colours and pictures.
// What the controls do is the table's own business (table/frmStul).
#pragma once

#include "ui/controls/CommandButton.h"
#include "ui/controls/ControlArray.h"
#include "ui/controls/Form.h"
#include "ui/controls/GraphicalButton.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/PictureClip.h"
#include "ui/controls/Timer.h"

#include <cstdint>
#include <span>

class frmStulDesign : public Form {
    Q_OBJECT
public:
    // One banknote button for each of the game's values in Kč, in their order.
    frmStulDesign(Platform& platform, std::span<const std::int32_t> banknotes);

    static constexpr int TahIntervalMs = 800;
    static constexpr int ZmizIntervalMs = 5000;

    Label* lblBody_PC;
    Label* lblBody_JA;
    Label* lblPenezenka;
    PictureBox* picRevolver;
    Label* lblSazka;
    ControlArray<PictureBox> picKarta;
    CommandButton* cmdKonec;
    CommandButton* cmdRozdej;
    CommandButton* cmdDost;
    ControlArray<GraphicalButton> cmdBankovka;
    GraphicalButton* cmdRub;
    Label* lblNapoveda;
    Timer* tmrTah;
    Timer* tmrZmiz;
    PictureClip pclKarty;
};
