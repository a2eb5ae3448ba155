#include "ui/access/Announcer.h"

#include "ui/access/Accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace {
// A screen reader speaks a notification that comes into view, once, and reads nothing else of it.
// Its own word for the role is left out when the notification lies in a status bar. A key press
// cuts short what it still had to say: the status bar is named after the last message, which the
// screen reader's command that reads the status bar says again, unless the window gives it a
// status of its own.
const QString StatusBarName = QStringLiteral("ixa-status-bar");
const QString MessageName = QStringLiteral("ixa-message");
constexpr char HoldsStatus[] = "ixa-holds-status";

// A screen reader reads a message when it gets to it, which may be after the next message: each
// message keeps a widget of its own for a while, so that none is read with another's words.
constexpr int MessagesKept = 8;

// A widget a message is said through, known to a screen reader by its part in the window.
class Announcement : public QWidget, public Accessible::Described {
public:
    Announcement(QWidget* parent, const QString& name, QAccessible::Role role)
        : QWidget(parent)
    {
        setObjectName(name);
        SetAccessibleRole(role);
        setGeometry(0, 0, 0, 0);
    }
};

QWidget* statusBar(QWidget& window)
{
    auto* bar = window.findChild<QWidget*>(StatusBarName, Qt::FindDirectChildrenOnly);
    if (!bar) {
        bar = new Announcement(&window, StatusBarName, QAccessible::StatusBar);
        bar->show();
    }
    return bar;
}

QWidget* activeWindowOnScreen()
{
    QWidget* window = QApplication::activeWindow();
    return window && window->isVisible() ? window : nullptr;
}
} // namespace

void Announcer::Say(const QString& said)
{
    // Said as one line: a speech service may drop a message with an empty line in it.
    const QString text = said.simplified();
    if (OnSay)
        OnSay(text);
    if (text.isEmpty())
        return;
    if (QWidget* window = activeWindowOnScreen(); window && waiting_.isEmpty()) {
        sayFrom(window, text);
        return;
    }
    // A window said to at its start may come up before the screen reader's connection does.
    if (waiting_.isEmpty())
        qApp->installEventFilter(this);
    waiting_ << text;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        if (QWidget* window = activeWindowOnScreen()) {
            qApp->removeEventFilter(this);
            const QStringList waiting = std::exchange(waiting_, {});
            for (const QString& text : waiting)
                sayFrom(window, text);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::sayFrom(QWidget* window, const QString& text)
{
    QWidget* bar = statusBar(*window);
    if (!bar->property(HoldsStatus).toBool())
        bar->setAccessibleName(text);
    QWidget* message = nullptr;
    const QObjectList& kept = bar->children();
    if (kept.size() < MessagesKept) {
        message = new Announcement(bar, MessageName, QAccessible::Notification);
    } else {
        // The oldest goes to the end of the line.
        message = static_cast<QWidget*>(kept.first());
        message->hide();
        message->raise();
    }
    message->setAccessibleName(text);
    message->show();
}

void Announcer::SetStatus(QWidget& window, const QString& status)
{
    QWidget* bar = statusBar(window);
    bar->setProperty(HoldsStatus, true);
    bar->setAccessibleName(status.simplified());
}

void Announcer::WithoutFocusNews(const std::function<void()>& change)
{
    Accessible::WithoutFocusNews(change);
}
