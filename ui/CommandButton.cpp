#include "ui/CommandButton.h"

#include <QMouseEvent>

CommandButton::CommandButton(QWidget* parent)
    : Control<QPushButton>(parent)
{
    // Enter presses the focused button, not only Space.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

CommandButton::CommandButton(QWidget* parent, QRect geometry, const QString& caption)
    : CommandButton(parent)
{
    setGeometry(geometry);
    SetCaption(caption);
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
    QPushButton::mousePressEvent(event);
    // Other buttons than the left one must not reach the window behind.
    event->accept();
}
