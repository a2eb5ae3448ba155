#include "ui/controls/PictureClip.h"

#include <QPainter>

QPixmap PictureClip::Clip() const
{
    if (ClipWidth <= 0 || ClipHeight <= 0 || picture_.IsNull())
        return QPixmap();
    const QPixmap& picture = picture_.Pixmap();
    const qreal ratio = picture.devicePixelRatio();
    const QRect wanted(QPoint(ClipX, ClipY) * ratio, QSize(ClipWidth, ClipHeight) * ratio);
    if (picture.rect().contains(wanted)) {
        QPixmap clip = picture.copy(wanted);
        clip.setDevicePixelRatio(ratio);
        return clip;
    }
    // QPixmap::copy would cut the clip down to the picture (and copy all of it for an empty one);
    // the clip keeps its size here.
    QPixmap clip(wanted.size());
    clip.setDevicePixelRatio(ratio);
    clip.fill(Qt::transparent);
    QPainter painter(&clip);
    painter.drawPixmap(-ClipX, -ClipY, picture);
    return clip;
}
