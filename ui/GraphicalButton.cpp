#include "ui/GraphicalButton.h"

#include "ui/Form.h"
#include "ui/KeyCode.h"

#include <QApplication>
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

namespace {
// A hand holds a mouse button down for tens of milliseconds at the least.
constexpr qint64 InstantMs = 10;
// Orca's whole gesture takes a few milliseconds, and some hundreds when the machine is busy: its
// clicks come within a double-click time, its Press action within a second.
constexpr qint64 GestureMs = 1000;
} // namespace

qint64 GraphicalButton::lastKeyAt() const
{
    const auto* form = qobject_cast<const Form*>(window());
    return form ? form->LastKeyAt() : 0;
}

// One gesture, one press. A click whose button goes up within milliseconds of going down is made
// by a program, never by a hand. An assistive tool that cannot tell whether its click arrived
// clicks again and then calls the button's Press action (Orca does both within milliseconds):
// until a key is pressed after it, for a moment after such a click, the same button pressed again
// is that click repeated, and does nothing. The key that made the tool click may reach the game
// after the click, when the screen reader keeps it too long: it is older than the click, and
// begins nothing. A mouse player's clicks, however quick, are never instant,
// and each one counts; the screen reader's player, pressing its click key twice, stakes twice.
bool GraphicalButton::repeatsToolClick(std::int16_t Button, qint64 at) const
{
    if (!sinceToolClick_.isValid() || Button != toolButton_ || lastKeyAt() > toolClickAt_
        || sinceToolClick_.elapsed() >= GestureMs)
        return false;
    // A press that comes with its own time is measured on the clock of the tool's click.
    return at < 0 || (at >= toolClickAt_ && at - toolClickAt_ < QApplication::doubleClickInterval());
}

void GraphicalButton::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    pressedAt_ = static_cast<qint64>(event->timestamp());
    pressIgnored_ = repeatsToolClick(a.Button, pressedAt_);
    if (!pressIgnored_) {
        emit MouseDown(a.Button, a.Shift, a.X, a.Y);
        QAbstractButton::mousePressEvent(event);
    }
    event->accept();
}

void GraphicalButton::mouseReleaseEvent(QMouseEvent* event)
{
    const auto at = static_cast<qint64>(event->timestamp());
    if (at - pressedAt_ <= InstantMs) {
        toolButton_ = MouseButtonCode(event->button());
        toolClickAt_ = at;
        sinceToolClick_.start();
    }
    if (pressIgnored_)
        event->accept();
    else
        QAbstractButton::mouseReleaseEvent(event);
}

void GraphicalButton::PressWith(std::int16_t Button)
{
    if (!isEnabled() || !CanAct(*this) || repeatsToolClick(Button, -1))
        return;
    emit MouseDown(Button, 0, 0, 0);
    if (Button == MouseButton::Left)
        click();
}

void GraphicalButton::keyPressEvent(QKeyEvent* event)
{
    // Space and Enter press the focused button as the left mouse button does: a banknote is staked.
    const bool space = event->key() == Qt::Key_Space;
    if ((space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        emit MouseDown(MouseButton::Left, ShiftMaskOf(event->modifiers()), 0, 0);
        // Space clicks when it is let go, the way the toolkit's buttons do.
        if (space)
            QAbstractButton::keyPressEvent(event);
        else
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
