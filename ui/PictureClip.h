// Holds one picture and cuts a rectangle out of it, given in the picture's pixels.
#pragma once

#include <QPixmap>

#include <cstdint>

class PictureClip {
public:
    void SetPicture(const QPixmap& picture) { picture_ = picture; }
    const QPixmap& Picture() const { return picture_; }

    std::int16_t ClipX = 0;
    std::int16_t ClipY = 0;
    std::int16_t ClipWidth = 0;
    std::int16_t ClipHeight = 0;

    // The clipped picture, always as large as the clip: parts of the clip that lie outside the
    // picture stay transparent, and an empty clip gives no picture.
    QPixmap Clip() const;

private:
    QPixmap picture_;
};
