#include "ui/PictureClip.h"

#include <QPainter>

QPixmap PictureClip::Clip() const
{
    if (ClipWidth <= 0 || ClipHeight <= 0 || picture_.isNull())
        return QPixmap();
    const QRect wanted(ClipX, ClipY, ClipWidth, ClipHeight);
    if (picture_.rect().contains(wanted))
        return picture_.copy(wanted);
    // QPixmap::copy would cut the clip down to the picture (and copy all of it for an empty one);
    // the clip keeps its size here.
    QPixmap clip(wanted.size());
    clip.fill(Qt::transparent);
    QPainter painter(&clip);
    painter.drawPixmap(-ClipX, -ClipY, picture_);
    return clip;
}
