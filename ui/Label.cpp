#include "ui/Label.h"

#include <QMouseEvent>

Label::Label(QWidget* parent)
    : Control<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption)
{
    setText(caption);
    if (autoSize_)
        adjustSize();
}

void Label::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        adjustSize();
}

void Label::SetBorderSingle(bool single)
{
    setFrameStyle(single ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClick(*this, *event))
        emit Click();
    event->accept();
}
