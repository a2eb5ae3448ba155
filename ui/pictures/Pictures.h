// The game's pictures, embedded in the program; each is decoded when it is first drawn.
#pragma once

#include "ui/pictures/LazyPixmap.h"

#include <QIcon>

#include <cstdint>

namespace Pictures {
LazyPixmap CardFaces(); // the 32 faces in a grid of 4 suits by 8 ranks, 120 x 200 each
LazyPixmap CardBack();
LazyPixmap Banknote(std::int32_t valueKc); // one of HodnotaBankovky
LazyPixmap Revolver();
LazyPixmap InfoBackground();
QIcon Icon();
} // namespace Pictures
