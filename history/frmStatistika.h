// The chart of the purse over the run, against the starting amount.
#pragma once

#include "ui/Form.h"

class frmStatistika : public Form {
    Q_OBJECT
public:
    explicit frmStatistika(Platform& platform);
};
