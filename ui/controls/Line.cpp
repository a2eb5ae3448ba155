#include "ui/controls/Line.h"

#include <QPainter>

#include <algorithm>

Line::Line(QWidget* parent)
    : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::SetEnds(int x1, int y1, int x2, int y2)
{
    ends_ = QLine(x1, y1, x2, y2);
    place();
}

void Line::SetBorderWidth(int width)
{
    borderWidth_ = std::max(width, 1);
    place();
}

void Line::SetBorderColor(QColor colour)
{
    borderColor_ = colour;
    update();
}

// The control covers the line and its pen, and nothing more of the window.
void Line::place()
{
    const QRect around = QRect(ends_.p1(), ends_.p2()).normalized();
    setGeometry(around.adjusted(-borderWidth_, -borderWidth_, borderWidth_, borderWidth_));
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(borderColor_, borderWidth_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ends_.translated(-pos()));
}
