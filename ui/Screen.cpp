#include "ui/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize primarySize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}
} // namespace

std::int32_t Screen::Width() const
{
    return width_ ? *width_ : primarySize().width() * TwipsPerPixel;
}

std::int32_t Screen::Height() const
{
    return height_ ? *height_ : primarySize().height() * TwipsPerPixel;
}

void Screen::SetSizeTwips(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
}
