#include "ui/controls/CommandButton.h"

#include "ui/controls/Form.h"

#include <QMouseEvent>
#include <QShortcutEvent>

CommandButton::CommandButton(QWidget* parent)
    : Control<QPushButton>(parent)
{
    // Enter presses the focused button, not only Space.
    setAutoDefault(true);
    // A screen reader's press reaches a button whose window is hidden, gone or under a modal
    // window, where no click or key could: there it does nothing. It is judged as the button
    // clicks, not as it goes down: a press shows the button down for a moment first, and a key
    // in that moment may open a window, under which nothing may act.
    connect(this, &QPushButton::clicked, this, [this] {
        if (ActsNow(*this))
            emit Click();
    });
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

bool CommandButton::event(QEvent* event)
{
    // The access key clicks at once. The toolkit would first show the button pressed for a
    // moment and click after it, when a key typed right behind the access key (a digit after
    // Alt+R) has already come and gone.
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous() && shortcut->key() == this->shortcut()) {
            click();
            return true;
        }
    }
    return QPushButton::event(event);
}
