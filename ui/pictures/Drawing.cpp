#include "ui/pictures/Drawing.h"

#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cmath>

Drawing::Drawing(QWidget& owner)
    : owner_(owner)
{
}

QColor Drawing::backColor() const
{
    return owner_.palette().color(owner_.backgroundRole());
}

QColor Drawing::ForeColor() const
{
    return foreColor_ ? *foreColor_ : owner_.palette().color(owner_.foregroundRole());
}

double Drawing::ScaleWidth() const
{
    return scaleWidth_ ? *scaleWidth_ : owner_.width();
}

double Drawing::ScaleHeight() const
{
    return scaleHeight_ ? *scaleHeight_ : owner_.height();
}

void Drawing::SetScaleWidth(double width)
{
    if (std::isfinite(width) && width != 0)
        scaleWidth_ = width;
}

void Drawing::SetScaleHeight(double height)
{
    if (std::isfinite(height) && height != 0)
        scaleHeight_ = height;
}

namespace {
// Pixels this far from the window are off it for good; the painter's own arithmetic is not made
// for coordinates much beyond them, so lines are cut to this square first.
constexpr double Far = 1e6;

bool near(const QPointF& p)
{
    return std::abs(p.x()) <= Far && std::abs(p.y()) <= Far;
}

int outside(const QPointF& p)
{
    return (p.x() < -Far ? 1 : p.x() > Far ? 2 : 0) | (p.y() < -Far ? 4 : p.y() > Far ? 8 : 0);
}

// Cuts the line from a to b to the square of half-side Far around the window's corner; false
// when no part of it lies there. The cut point is computed from the edge it lies on, so that it
// stays exact however far away the other end is.
bool clip(QPointF& a, QPointF& b)
{
    for (int cuts = 0; cuts < 8; ++cuts) {
        const int outA = outside(a), outB = outside(b);
        if (!(outA | outB))
            return true;
        if (outA & outB)
            return false;
        const int out = outA ? outA : outB;
        QPointF cut;
        if (out & 3) {
            const double x = out & 1 ? -Far : Far;
            cut = QPointF(x, a.y() + (b.y() - a.y()) * ((x - a.x()) / (b.x() - a.x())));
        } else {
            const double y = out & 4 ? -Far : Far;
            cut = QPointF(a.x() + (b.x() - a.x()) * ((y - a.y()) / (b.y() - a.y())), y);
        }
        (outA ? a : b) = cut;
    }
    return !(outside(a) | outside(b));
}
} // namespace

std::optional<QPointF> Drawing::toPixels(double x, double y) const
{
    const double px = scaleWidth_ ? x * owner_.width() / *scaleWidth_ : x;
    const double py = scaleHeight_ ? y * owner_.height() / *scaleHeight_ : y;
    // Beyond this even the difference of two points may not be finite.
    constexpr double Infinite = 1e307;
    if (!(std::abs(px) <= Infinite && std::abs(py) <= Infinite))
        return std::nullopt;
    return QPointF(px, py);
}

// Grows the image to the window's size, keeping what it holds. It has the pixels of the window's
// screen, twice as many each way on a screen of twice the pixel ratio: what is drawn is as sharp
// as the rest of the window, while places and sizes stay in the window's pixels.
void Drawing::fit(QImage& image, QColor fill) const
{
    const qreal ratio = owner_.devicePixelRatioF();
    const QSize held = image.deviceIndependentSize().toSize();
    const QSize wanted = held.expandedTo(owner_.size());
    if ((wanted == held && image.devicePixelRatio() == ratio) || wanted.isEmpty())
        return;
    QImage grown(wanted * ratio, fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(ratio);
    grown.fill(fill);
    if (!image.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image);
    }
    image = grown;
}

QImage& Drawing::target()
{
    if (autoRedraw_) {
        fit(background_, backColor());
        return background_;
    }
    fit(overlay_, Qt::transparent);
    return overlay_;
}

void Drawing::Cls()
{
    CurrentX = 0;
    CurrentY = 0;
    overlay_ = QImage();
    if (autoRedraw_) {
        background_ = QImage();
        fit(background_, backColor());
    }
    owner_.update();
}

void Drawing::SetAutoRedraw(bool on)
{
    if (on && !autoRedraw_ && !overlay_.isNull()) {
        // What is on the screen stays, and what comes next is drawn over it.
        fit(background_, backColor());
        QPainter painter(&background_);
        painter.drawImage(0, 0, overlay_);
        overlay_ = QImage();
    }
    autoRedraw_ = on;
}

namespace {
QPen penOf(QColor colour, int width)
{
    return QPen(colour, std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
} // namespace

void Drawing::PSet(double x, double y)
{
    CurrentX = x;
    CurrentY = y;
    const auto point = toPixels(x, y);
    QImage& image = target();
    if (!point || !near(*point) || image.isNull())
        return;
    QPainter painter(&image);
    painter.setPen(penOf(ForeColor(), DrawWidth));
    painter.drawPoint(*point);
    owner_.update();
}

void Drawing::Line(double x1, double y1, double x2, double y2)
{
    CurrentX = x2;
    CurrentY = y2;
    auto from = toPixels(x1, y1);
    auto to = toPixels(x2, y2);
    QImage& image = target();
    if (!from || !to || !clip(*from, *to) || image.isNull())
        return;
    QPainter painter(&image);
    painter.setPen(penOf(ForeColor(), DrawWidth));
    painter.drawLine(*from, *to);
    owner_.update();
}

void Drawing::LineTo(double x, double y)
{
    Line(CurrentX, CurrentY, x, y);
}

qreal Drawing::Ratio() const
{
    return owner_.devicePixelRatioF();
}

int Drawing::ImagePixel(double pixels, qreal ratio)
{
    return qRound(pixels * ratio);
}

namespace {
// A picture made for the image's ratio keeps its pixels one to one.
QSizeF laidSize(const QPixmap& picture, qreal ratio)
{
    return picture.devicePixelRatio() == ratio ? QSizeF(picture.size()) : picture.deviceIndependentSize() * ratio;
}

// The painter works in the image's own pixels, so that the picture starts exactly on one of them.
void lay(QImage& image, const QPixmap& picture, QPoint at, qreal ratio)
{
    QImage pixels(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    QPainter painter(&pixels);
    painter.drawPixmap(QRectF(at, laidSize(picture, ratio)), picture, QRectF(picture.rect()));
}
} // namespace

QImage Drawing::AsLaid(const QPixmap& picture, qreal ratio)
{
    const QSizeF size = laidSize(picture, ratio);
    QImage image(qCeil(size.width()), qCeil(size.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!image.isNull() && !picture.isNull())
        lay(image, picture, QPoint(0, 0), ratio);
    return image;
}

void Drawing::PaintPicture(const QPixmap& picture, double x, double y)
{
    const auto at = toPixels(x, y);
    QImage& image = target();
    if (!at || !near(*at) || image.isNull() || picture.isNull())
        return;
    const qreal ratio = image.devicePixelRatio();
    lay(image, picture, QPoint(ImagePixel(at->x(), ratio), ImagePixel(at->y(), ratio)), ratio);
    owner_.update();
}

void Drawing::Paint(QPainter& painter) const
{
    if (!background_.isNull())
        painter.drawImage(0, 0, background_);
    if (!overlay_.isNull())
        painter.drawImage(0, 0, overlay_);
}
