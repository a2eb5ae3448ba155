#include "ui/GraphicalButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

GraphicalButton::GraphicalButton(QWidget* parent)
    : Control<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &GraphicalButton::Click);
}

void GraphicalButton::SetPicture(const LazyPixmap& picture)
{
    picture_ = picture;
    if (!picture_.IsNull())
        resize(picture_.Size());
    update();
}

QSize GraphicalButton::sizeHint() const
{
    return picture_.IsNull() ? QSize(16, 16) : picture_.Size();
}

void GraphicalButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool down = isDown();
    // A pressed button sinks by a pixel, as a real button would.
    painter.drawPixmap(down ? 1 : 0, down ? 1 : 0, picture_.Pixmap());
    if (!isEnabled())
        painter.fillRect(rect(), QColor(128, 128, 128, 110));
    else if (down)
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    else if (hovered_)
        painter.fillRect(rect(), QColor(255, 255, 255, 28));
    if (hasFocus()) {
        QPen pen(QColor(255, 255, 0), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void GraphicalButton::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
    QAbstractButton::mousePressEvent(event);
    event->accept();
}

void GraphicalButton::PressWith(std::int16_t Button)
{
    if (!isEnabled())
        return;
    emit MouseDown(Button, 0, 0, 0);
    if (Button == MouseButton::Left)
        click();
}

void GraphicalButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void GraphicalButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void GraphicalButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
