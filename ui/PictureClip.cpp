#include "ui/PictureClip.h"

QPixmap PictureClip::Clip() const
{
    return picture_.copy(ClipX, ClipY, ClipWidth, ClipHeight);
}
