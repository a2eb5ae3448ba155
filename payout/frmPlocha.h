// The last screen of the run: the frozen desktop with the purse paid out over it in banknotes,
// or the loss announced across it.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/GraphicalButton.h"

#include <QPointer>

class frmPlocha : public Form {
    Q_OBJECT
public:
    // The banknote pictures are those of the table's buttons; unloading this screen unloads the
    // table, if it is still there.
    frmPlocha(Platform& platform, const ControlArray<GraphicalButton>& cmdBankovka, Form& frmStul);

protected:
    void Form_Click() override;
    void Form_KeyPress(std::int16_t KeyAscii) override;
    void Form_Unload(bool& Cancel) override;

private:
    const ControlArray<GraphicalButton>& cmdBankovka_;
    QPointer<Form> frmStul_;
};
