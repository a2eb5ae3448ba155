// The statistics window as designed: black, sizable, with no controls; everything in it is drawn.
#pragma once

#include "ui/controls/Form.h"

class frmStatistikaDesign : public Form {
    Q_OBJECT
public:
    explicit frmStatistikaDesign(Platform& platform);
};
