#include "history/frmStatistika.h"

frmStatistika::frmStatistika(Platform& platform_)
    : Form(platform_)
{
}
