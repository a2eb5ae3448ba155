#include "ui/Label.h"

#include "ui/KeyCode.h"

#include <QMouseEvent>

Label::Label(QWidget* parent) : Control<QLabel>(parent)
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
    emit MouseDown(MouseButtonCode(event->button()), ShiftMaskOf(event->modifiers()),
        static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    event->accept();
}
