// The screen's size in twips, the unit the game measures screens in.
#pragma once

#include <cstdint>
#include <optional>

class Screen {
public:
    static constexpr std::int32_t TwipsPerPixel = 15;

    std::int32_t Width() const;
    std::int32_t Height() const;

    // A pretend screen, so that tests can try any size without a display of that size.
    void SetSizeTwips(std::int32_t width, std::int32_t height);
    void SetSizePixels(std::int32_t width, std::int32_t height)
    {
        SetSizeTwips(width * TwipsPerPixel, height * TwipsPerPixel);
    }

private:
    std::optional<std::int32_t> width_;
    std::optional<std::int32_t> height_;
};

// A design's twips as the pixels the windows are laid out in.
constexpr int Pixels(std::int32_t twips)
{
    return twips / Screen::TwipsPerPixel;
}
