#include "ui/controls/Shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent)
    : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetBorderColor(QColor colour)
{
    borderColor_ = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(borderColor_, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
