// The picture of the whole screen that the last screen of the run freezes behind itself.
#pragma once

#include <QPixmap>

#include <optional>

class Drawing;

class Desktop {
public:
    // Copies the block of the screen from its top left corner, width by height pixels, to the top
    // left corner of the surface. False where the platform keeps its screen to itself (Wayland
    // does): the surface then keeps what it held.
    bool CopyTo(Drawing& surface, int width, int height) const;

    // A pretend screen, so that tests see a known picture; a null picture is a platform that refuses.
    void Pretend(const QPixmap& picture) { pretended_ = picture; }

private:
    QPixmap grab() const;

    std::optional<QPixmap> pretended_;
};
