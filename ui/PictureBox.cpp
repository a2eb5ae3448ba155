#include "ui/PictureBox.h"

#include "ui/KeyCode.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : Control<QWidget>(parent) {}

void PictureBox::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    SetPicture(picture_);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(MouseButtonCode(event->button()), ShiftMaskOf(event->modifiers()),
        static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    event->accept();
}
