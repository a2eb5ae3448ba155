#include "ui/controls/PictureBox.h"

#include "ui/controls/Form.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : Control<QWidget>(parent)
{
    // A picture, not a bare area: a screen reader reads its name.
    SetAccessibleRole(QAccessible::Graphic);
}

void PictureBox::SetPicture(const LazyPixmap& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.IsNull())
        resize(picture_.Size());
    update();
}

void PictureBox::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    SetPicture(picture_);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.IsNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_.Pixmap());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClick(*this, *event) && ActsNow(*this))
        emit Click();
    event->accept();
}
