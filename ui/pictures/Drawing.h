// A window's drawing surface: points, lines and pictures in the window's scale, kept either as the
// window's background (AutoRedraw on) or drawn on top of it (AutoRedraw off).
#pragma once

#include <QColor>
#include <QImage>

#include <optional>

class QPainter;
class QPixmap;
class QPointF;
class QWidget;

inline QColor RGB(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

class Drawing {
public:
    explicit Drawing(QWidget& owner);

    // Clears to the window's back colour. With AutoRedraw off the background kept so far stays
    // and only what was drawn on top of it goes. The current position returns to 0, 0.
    void Cls();

    // A custom scale: x runs from 0 at the left edge to ScaleWidth at the right edge of the inner
    // area, y from 0 at the top to ScaleHeight at the bottom. Until one is set, the unit is the pixel.
    // A zero or non-finite scale is refused: it would put every point at infinity.
    double ScaleWidth() const;
    double ScaleHeight() const;
    void SetScaleWidth(double width);
    void SetScaleHeight(double height);

    // Where the next LineTo starts; PSet, Line and LineTo leave it at their last point.
    double CurrentX = 0;
    double CurrentY = 0;

    // Pen width in pixels, whatever the scale.
    int DrawWidth = 1;
    // The pen colour; until one is set, the window's fore colour.
    QColor ForeColor() const;
    void SetForeColor(QColor colour) { foreColor_ = colour; }

    // On: what is drawn becomes the window's background and survives every repaint. Switching it
    // off keeps that background; later drawing goes on top of it until the next Cls.
    void SetAutoRedraw(bool on);

    void PSet(double x, double y);
    void Line(double x1, double y1, double x2, double y2);
    void LineTo(double x, double y);
    // The picture at its own size in pixels, its top left corner at x, y of the scale.
    void PaintPicture(const QPixmap& picture, double x, double y);

    // The surface's image has this many pixels to each pixel of the window, as the window's screen.
    qreal Ratio() const;
    // Pictures lie on whole pixels of the image: this is the one where a picture put at this
    // coordinate in window pixels starts. Left to the painter, a picture at a fraction of a pixel
    // could cover a pixel more or less, depending on where it falls.
    static int ImagePixel(double pixels, qreal ratio);
    // The picture as PaintPicture lays it on an image of this ratio, from its top left corner: one
    // made for another ratio is scaled to it, the same wherever it is laid.
    static QImage AsLaid(const QPixmap& picture, qreal ratio);

    // Paints the surface onto its window: called from the window's paintEvent.
    void Paint(QPainter& painter) const;

private:
    QColor backColor() const;
    std::optional<QPointF> toPixels(double x, double y) const;
    QImage& target();
    void fit(QImage& image, QColor fill) const;

    QWidget& owner_;
    std::optional<double> scaleWidth_;
    std::optional<double> scaleHeight_;
    std::optional<QColor> foreColor_;
    bool autoRedraw_ = false;
    QImage background_; // the retained drawing, opaque
    QImage overlay_; // drawn with AutoRedraw off, transparent where nothing was drawn
};
