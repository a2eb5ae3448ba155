#include "ui/controls/GraphicalButton.h"

#include "ui/controls/Form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

GraphicalButton::GraphicalButton(QWidget* parent)
    : Control<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // Judged as it clicks: a window opened since the button went down keeps it from acting.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (ActsNow(*this))
            emit Click();
    });
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

qint64 GraphicalButton::nowMs() const
{
    const auto* form = qobject_cast<const Form*>(window());
    return form ? form->NowMs() : 0;
}

qint64 GraphicalButton::lastKeyAt() const
{
    const auto* form = qobject_cast<const Form*>(window());
    return form ? form->LastKeyAt() : 0;
}

// Only a screen reader's command clicks and presses as a gesture: the one whose key it keeps. A
// switch or voice tool that an accessibility setting left listening clicks as any player does.
bool GraphicalButton::screenReaderAtWork() const
{
    const auto* form = qobject_cast<const Form*>(window());
    return form && form->ScreenReaderHasTheKey();
}

void GraphicalButton::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    // A press held behind keys comes after what they did, which may have opened a window.
    pressIgnored_ = !clicks_.Pressed(a.Button, static_cast<qint64>(event->timestamp()), event->position(), size(),
                        lastKeyAt(), nowMs())
        || !ActsNow(*this);
    if (!pressIgnored_) {
        emit MouseDown(a.Button, a.Shift, a.X, a.Y);
        QAbstractButton::mousePressEvent(event);
    }
    event->accept();
}

void GraphicalButton::mouseReleaseEvent(QMouseEvent* event)
{
    clicks_.Released(
        MouseButtonCode(event->button()), static_cast<qint64>(event->timestamp()), nowMs(), screenReaderAtWork());
    if (pressIgnored_)
        event->accept();
    else
        QAbstractButton::mouseReleaseEvent(event);
}

void GraphicalButton::PressWith(std::int16_t Button)
{
    if (!isEnabled() || !ActsNow(*this) || !clicks_.Acted(Button, nowMs(), lastKeyAt(), screenReaderAtWork()))
        return;
    emit MouseDown(Button, 0, 0, 0);
    if (Button == MouseButton::Left)
        click();
}

void GraphicalButton::keyPressEvent(QKeyEvent* event)
{
    // Enter clicks the focused button as Space does, which the toolkit clicks when it is let go.
    // Neither is a mouse button: a banknote, which only the mouse buttons and the digits stake,
    // stays as it is.
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

namespace {
// A picture button pressed through the accessibility interfaces does what the mouse does: the
// deck draws, a banknote is staked, and its second action takes one back.
class GraphicalButtonInterface : public QAccessibleWidget {
public:
    explicit GraphicalButtonInterface(GraphicalButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        QStringList names { pressAction() };
        if (!button()->SecondAction().isEmpty())
            names << button()->SecondAction();
        return names + QAccessibleWidget::actionNames();
    }

    QString localizedActionName(const QString& name) const override
    {
        return name == button()->SecondAction() ? name : QAccessibleWidget::localizedActionName(name);
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            button()->PressWith(MouseButton::Left);
        else if (name == button()->SecondAction() && !name.isEmpty())
            button()->PressWith(MouseButton::Right);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    GraphicalButton* button() const { return static_cast<GraphicalButton*>(widget()); }
};
} // namespace

QAccessibleInterface* GraphicalButton::AccessibleInterface(QWidget&)
{
    return new GraphicalButtonInterface(this);
}
