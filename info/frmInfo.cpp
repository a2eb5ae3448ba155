#include "info/frmInfo.h"

frmInfo::frmInfo(Platform& platform_)
    : Form(platform_)
{
}
