#include "ui/system/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QRect geometryOf(const QScreen* screen)
{
    return screen ? screen->geometry() : QRect();
}
} // namespace

std::int32_t Screen::Width() const
{
    return width_ ? *width_ : geometryOf(Shown()).width() * TwipsPerPixel;
}

std::int32_t Screen::Height() const
{
    return height_ ? *height_ : geometryOf(Shown()).height() * TwipsPerPixel;
}

std::int32_t Screen::Left() const
{
    return geometryOf(Shown()).left() * TwipsPerPixel;
}

std::int32_t Screen::Top() const
{
    return geometryOf(Shown()).top() * TwipsPerPixel;
}

void Screen::Follow(const QWidget& window)
{
    followed_ = window.screen();
}

QScreen* Screen::Shown() const
{
    return followed_ ? followed_.data() : QGuiApplication::primaryScreen();
}

void Screen::SetSizeTwips(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
}
