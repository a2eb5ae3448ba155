// The window about the game: its name, the credit lines, the rules, the controls, and the way to
// the statistics.
#pragma once

#include "ui/Form.h"

class frmInfo : public Form {
    Q_OBJECT
public:
    explicit frmInfo(Platform& platform);
};
