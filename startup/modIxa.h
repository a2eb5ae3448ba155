// Where the program starts: the table on a screen large enough for it, the notice otherwise.
#pragma once

#include "ui/system/Platform.h"

#include <cstdint>

namespace modIxa {
constexpr std::int32_t MinSirka = 12000; // twips: 800 pixels
constexpr std::int32_t MinVyska = 9000; // twips: 600 pixels

// Shows one window without waiting for it; the program goes on while a window is loaded.
void Main(Platform& platform);
} // namespace modIxa
