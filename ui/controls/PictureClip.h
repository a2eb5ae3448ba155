// Holds one picture and cuts a rectangle out of it, given in the picture's logical pixels: on a
// screen of twice the pixel ratio the cut comes from the sharper picture at twice the coordinates.
#pragma once

#include "ui/pictures/LazyPixmap.h"

#include <QPixmap>

#include <cstdint>

class PictureClip {
public:
    void SetPicture(const LazyPixmap& picture) { picture_ = picture; }
    // The picture's pixels, decoded if they were not yet.
    const QPixmap& Picture() const { return picture_.Pixmap(); }

    std::int16_t ClipX = 0;
    std::int16_t ClipY = 0;
    std::int16_t ClipWidth = 0;
    std::int16_t ClipHeight = 0;

    // The clipped picture, always as large as the clip: parts of the clip that lie outside the
    // picture stay transparent, and an empty clip gives no picture.
    QPixmap Clip() const;

private:
    LazyPixmap picture_;
};
