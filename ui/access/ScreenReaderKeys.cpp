#include "ui/access/ScreenReaderKeys.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDateTime>

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
// laid out as the bridge lays it out. A key that types nothing is named by the screen reader
// itself, from its key symbol.
void askRegistry(const QKeyEvent& key, const ScreenReaderKeys::Reply& reply)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        // Nobody to keep it.
        reply(ScreenReaderKeys::Answer::Passed);
        return;
    }
    const QString text = !key.text().isEmpty() && key.text().at(0).isPrint() ? key.text() : QString();
    QDBusArgument event;
    event.beginStructure();
    event << static_cast<quint32>(key.type() == QEvent::KeyPress ? 0 : 1) << static_cast<qint32>(key.nativeVirtualKey())
          << static_cast<qint32>(key.nativeScanCode()) << modifiersOf(key)
          << static_cast<qint32>(QDateTime::currentMSecsSinceEpoch()) << text << !text.isEmpty();
    event.endStructure();
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"),
        QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
        QStringLiteral("org.a11y.atspi.DeviceEventController"), QStringLiteral("NotifyListenersSync"));
    call << QVariant::fromValue(event);
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(call, ScreenReaderKeys::AnswerWithinMs), qApp);
    QObject::connect(answer, &QDBusPendingCallWatcher::finished, answer, [reply](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<bool> kept = *call;
        call->deleteLater();
        if (kept.isError())
            reply(ScreenReaderKeys::Answer::Failed);
        else
            reply(kept.value() ? ScreenReaderKeys::Answer::Kept : ScreenReaderKeys::Answer::Passed);
    });
}
} // namespace

ScreenReaderKeys::ScreenReaderKeys()
    : ScreenReaderKeys(askRegistry)
{
}

ScreenReaderKeys::ScreenReaderKeys(Ask ask)
    : ask_(std::move(ask))
{
}

ScreenReaderKeys::~ScreenReaderKeys() = default;

void ScreenReaderKeys::Hold(QObject* receiver, const QKeyEvent& key, bool ask)
{
    const std::uint64_t number = first_ + waiting_.size();
    waiting_.push_back({ receiver, std::unique_ptr<QKeyEvent>(key.clone()), broken_ || !ask });
    if (broken_ || !ask) {
        deliverSoon();
        return;
    }
    ask_(key, [this, alive = std::weak_ptr<bool>(alive_), number](Answer answer) {
        if (!alive.expired())
            answered(number, answer);
    });
}

void ScreenReaderKeys::answered(std::uint64_t number, Answer answer)
{
    if (number < first_ || number - first_ >= waiting_.size() || waiting_[number - first_].answered)
        return;
    waiting_[number - first_].answered = true;
    waiting_[number - first_].kept = answer == Answer::Kept;
    broken_ = answer == Answer::Failed;
    deliverSoon();
}

// One key at a time, from the event loop: a key that opens a window shows it in an event loop of
// its own, and the keys typed after it go to that window, as they would have without the wait.
void ScreenReaderKeys::deliverSoon()
{
    if (delivering_ || waiting_.empty() || !waiting_.front().answered)
        return;
    delivering_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            delivering_ = false;
            Waiting key = std::move(waiting_.front());
            waiting_.pop_front();
            ++first_;
            deliverSoon();
            if (key.kept)
                return;
            // The key reaches the program now, as if typed now: the control with the focus takes it.
            QObject* target = QApplication::focusWidget();
            if (!target)
                target = QApplication::activeWindow();
            if (!target)
                target = key.receiver;
            if (target)
                QCoreApplication::sendEvent(target, key.key.get());
        },
        Qt::QueuedConnection);
}
