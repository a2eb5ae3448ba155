// The game's pictures, embedded in the program.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <cstdint>

namespace Pictures {
QPixmap CardFaces(); // the 32 faces in a grid of 4 suits by 8 ranks, 120 x 200 each
QPixmap CardBack();
QPixmap Banknote(std::int32_t valueKc); // 100, 200, 500, 1000, 2000 or 5000
QPixmap Revolver();
QPixmap InfoBackground();
QIcon Icon();
} // namespace Pictures
