// The screen's size in twips, the unit the game measures screens in.
#pragma once

#include <QPointer>
#include <QRect>

#include <cstdint>
#include <optional>

class QScreen;
class QWidget;

class Screen {
public:
    static constexpr std::int32_t TwipsPerPixel = 15;

    // Of the screen the game is on.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Where that screen begins among the player's screens.
    std::int32_t Left() const;
    std::int32_t Top() const;

    // The screen the game is on: the primary one, until a window of the game says which one it
    // lies on. A window that covers the screen goes there.
    void Follow(const QWidget& window);
    QScreen* Shown() const;

    // A pretend screen, so that tests can try any size without a display of that size.
    void SetSizeTwips(std::int32_t width, std::int32_t height);
    void SetSizePixels(std::int32_t width, std::int32_t height)
    {
        SetSizeTwips(width * TwipsPerPixel, height * TwipsPerPixel);
    }

private:
    std::optional<std::int32_t> width_;
    std::optional<std::int32_t> height_;
    QPointer<QScreen> followed_;
};

// A design's twips as the pixels the windows are laid out in.
constexpr int Pixels(std::int32_t twips)
{
    return twips / Screen::TwipsPerPixel;
}

// A control's place in a design measured in twips, in the pixels it is laid out in.
constexpr QRect PixelsRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}
