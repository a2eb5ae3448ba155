#include "ui/CommandButton.h"

#include "ui/KeyCode.h"

#include <QMouseEvent>

CommandButton::CommandButton(QWidget* parent) : Control<QPushButton>(parent)
{
    // Enter presses the focused button, not only Space.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(MouseButtonCode(event->button()), ShiftMaskOf(event->modifiers()),
        static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    QPushButton::mousePressEvent(event);
    // Other buttons than the left one must not reach the window behind.
    event->accept();
}
