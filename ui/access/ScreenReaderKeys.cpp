#include "ui/access/ScreenReaderKeys.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {
// The registry's own mask: Shift, Caps Lock, Ctrl, Alt and the logo key by bit. A modifier key
// itself comes without its own bit, as the screen reader names it alone ("left Alt").
std::int32_t modifiersOf(const QKeyEvent& key)
{
    constexpr quint32 CapsLock = 1 << 1;
    std::int32_t mask = (key.nativeModifiers() & CapsLock) ? 1 << 1 : 0;
    const bool modifierKey = key.key() == Qt::Key_Shift || key.key() == Qt::Key_Control || key.key() == Qt::Key_Alt
        || key.key() == Qt::Key_AltGr || key.key() == Qt::Key_Meta;
    const Qt::KeyboardModifiers held = modifierKey ? Qt::NoModifier : key.modifiers();
    for (const auto& [modifier, bit] : { std::pair { Qt::ShiftModifier, 0 }, { Qt::ControlModifier, 2 },
             { Qt::AltModifier, 3 }, { Qt::MetaModifier, 4 } })
        if (held & modifier)
            mask |= 1 << bit;
    return mask;
}

// Asks the registry as the toolkit's bridge does, on the bridge's own connection, with an event
// laid out as the bridge lays it out and stamped with the key's own time, as the window system
// stamped it. A key that types nothing is named by the screen reader itself, from its key symbol.
// The answer is awaited well past the keys' bound: once a stalled registry goes on, its answer
// about a key held before the stall tells that it answers again.
void askRegistry(const QKeyEvent& key, const ScreenReaderKeys::Reply& reply)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        // Nobody to keep it.
        reply(ScreenReaderKeys::Answer::Passed);
        return;
    }
    constexpr int callWithinMs = 6 * ScreenReaderKeys::AnswerWithinMs;
    const QString text = !key.text().isEmpty() && key.text().at(0).isPrint() ? key.text() : QString();
    QDBusArgument event;
    event.beginStructure();
    event << static_cast<quint32>(key.type() == QEvent::KeyPress ? 0 : 1) << static_cast<qint32>(key.nativeVirtualKey())
          << static_cast<qint32>(key.nativeScanCode()) << modifiersOf(key) << static_cast<qint32>(key.timestamp())
          << text << !text.isEmpty();
    event.endStructure();
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"),
        QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
        QStringLiteral("org.a11y.atspi.DeviceEventController"), QStringLiteral("NotifyListenersSync"));
    call << QVariant::fromValue(event);
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(call, callWithinMs), qApp);
    QObject::connect(answer, &QDBusPendingCallWatcher::finished, answer, [reply](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<bool> kept = *call;
        call->deleteLater();
        if (kept.isError())
            reply(ScreenReaderKeys::Answer::Failed);
        else
            reply(kept.value() ? ScreenReaderKeys::Answer::Kept : ScreenReaderKeys::Answer::Passed);
    });
}

// A button's underlined letter with Alt in the active window: the window's own key. The toolkit
// never tells the screen reader of one, and neither does the game: it only waits for the keys
// typed before it.
bool isAccessKey(const QKeyEvent& key)
{
    const QWidget* window = QApplication::activeWindow();
    if (key.type() != QEvent::KeyPress || !window)
        return false;
    const QKeySequence typed(key.keyCombination());
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    return std::any_of(
        buttons.begin(), buttons.end(), [&](const QAbstractButton* b) { return b->shortcut() == typed; });
}

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

ScreenReaderKeys::ScreenReaderKeys()
    : listening(QAccessible::isActive)
    , ask(askRegistry)
    , now(steadyMs)
{
    bound_.setSingleShot(true);
    connect(&bound_, &QTimer::timeout, this, &ScreenReaderKeys::Tick);
}

bool ScreenReaderKeys::Take(QObject* receiver, QEvent& event)
{
    if (!listening())
        return false;
    switch (event.type()) {
    case QEvent::ShortcutOverride:
        // Not a shortcut now: the key comes as a key press, which waits.
        event.accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        hold(receiver, key, !isAccessKey(key));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!Holding() || !receiver->isWidgetType())
            return false;
        hold(receiver, static_cast<const QInputEvent&>(event), false);
        return true;
    default: return false;
    }
}

void ScreenReaderKeys::hold(QObject* receiver, const QInputEvent& event, bool asked)
{
    const std::uint64_t number = first_ + waiting_.size();
    const bool waits = asked && !stalled_;
    waiting_.push_back({ receiver, std::unique_ptr<QInputEvent>(event.clone()), !waits });
    // The keys held together wait for one bound, which the first of them starts.
    if (waits && !bound_.isActive())
        waitFromNow();
    // Asked also while the registry gives no answer: the answer tells that it gives them again.
    if (asked)
        ask(static_cast<const QKeyEvent&>(event), [this, alive = std::weak_ptr<bool>(alive_), number](Answer answer) {
            if (!alive.expired())
                answered(number, answer);
        });
    deliverSoon();
}

void ScreenReaderKeys::answered(std::uint64_t number, Answer answer)
{
    // Also an answer about a key gone on already tells whether the registry answers.
    stalled_ = answer == Answer::Failed;
    if (number < first_ || number - first_ >= waiting_.size() || waiting_[number - first_].answered)
        return;
    waiting_[number - first_].answered = true;
    waiting_[number - first_].kept = answer == Answer::Kept;
    if (!stalled_)
        waitFromNow();
    deliverSoon();
}

// The registry answers: the keys still waiting have the whole bound from now.
void ScreenReaderKeys::waitFromNow()
{
    silentSince_ = now();
    if (std::any_of(waiting_.begin(), waiting_.end(), [](const Waiting& w) { return !w.answered; }))
        bound_.start(AnswerWithinMs);
    else
        bound_.stop();
}

void ScreenReaderKeys::Tick()
{
    const qint64 left = silentSince_ + AnswerWithinMs - now();
    bool waited = false;
    for (Waiting& held : waiting_)
        if (!held.answered) {
            waited = true;
            held.answered = left <= 0;
        }
    if (!waited)
        return;
    if (left > 0) {
        bound_.start(static_cast<int>(left));
        return;
    }
    stalled_ = true;
    bound_.stop();
    deliverSoon();
}

// One event at a time, from the event loop: a key that opens a window shows it in an event loop of
// its own, and what was pressed after it goes to that window, as it would have without the wait.
void ScreenReaderKeys::deliverSoon()
{
    if (delivering_ || waiting_.empty() || !waiting_.front().answered)
        return;
    delivering_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            delivering_ = false;
            Waiting held = std::move(waiting_.front());
            waiting_.pop_front();
            ++first_;
            deliverSoon();
            if (held.kept)
                return;
            // A click goes where it was made. A key reaches the program as if typed now: the control
            // with the focus takes it.
            QObject* target = held.receiver;
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (focus && !held.event->isPointerEvent())
                target = focus;
            if (target)
                QCoreApplication::sendEvent(target, held.event.get());
        },
        Qt::QueuedConnection);
}
