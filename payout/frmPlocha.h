// The last screen of the run: the frozen desktop with the purse paid out over it in banknotes,
// or the loss announced across it.
#pragma once

#include "ui/controls/ControlArray.h"
#include "ui/controls/GraphicalButton.h"
#include "ui/designs/frmPlochaDesign.h"

#include <QPixmap>
#include <QPointer>

#include <vector>

class frmPlocha : public frmPlochaDesign {
    Q_OBJECT
public:
    // The banknote pictures are those of the table's buttons, taken as the screen is made, while
    // the table is still there; unloading this screen unloads the table, if it is still there.
    // Loading the screen shows it, as soon as it has the desktop's picture.
    frmPlocha(Platform& platform, const ControlArray<GraphicalButton>& cmdBankovka, Form& frmStul);

protected:
    void Form_Load() override;
    void Form_Click() override;
    void Form_KeyPress(std::int16_t KeyAscii) override;
    void Form_Unload(bool& Cancel) override;

private:
    void UkazNaPlose(const QPixmap& plocha);
    void lblProhra_Click(std::int16_t Index);
    void UkazProhru();
    void Vyplat();

    std::vector<QPixmap> bankovky_;
    QPointer<Form> frmStul_;
};
