#include "ui/access/Accessible.h"

#include "ui/access/Announcer.h"
#include "ui/controls/Form.h"
#include "ui/controls/GraphicalButton.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"

#include <QAccessibleWidget>

#include <utility>

namespace {
// A label reads as its caption; a display of an amount is named by what it shows, and its
// caption is its value. Qt asks for the interface once, maybe before the design has made the
// label a display, so the difference is decided at every question. A display offers no value
// interface: the bridge would offer Increase and Decrease actions with it, which a display
// cannot do.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return label()->IsValueDisplay() ? label()->Caption() : QString();
        if (t == QAccessible::Name && label()->IsValueDisplay())
            return label()->DisplayName();
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->Caption();
        return QAccessibleWidget::text(t);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

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

// The handler a quiet change stands in for; nullptr is the platform's own.
QAccessible::UpdateHandler outerHandler = nullptr;

void passAllButFocus(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Focus)
        return;
    if (outerHandler) {
        outerHandler(event);
        return;
    }
    // Qt hands an event to the platform only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passAllButFocus);
}
} // namespace

namespace Accessible {

QAccessibleInterface* Interface(const QString& className, QObject* object)
{
    if (className == QLatin1String("Label"))
        return new LabelInterface(static_cast<Label*>(object));
    // The table is the main window, where a screen reader looks for the status bar.
    if (className == QLatin1String("frmStulDesign"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QWidget"))
        return Announcer::Interface(object);
    if (className == QLatin1String("GraphicalButton"))
        return new GraphicalButtonInterface(static_cast<GraphicalButton*>(object));
    // A window designed as a dialog is one to a screen reader too, which then reads its texts.
    if (className == QLatin1String("Form") && (static_cast<Form*>(object)->windowType() == Qt::Dialog))
        return new QAccessibleWidget(static_cast<Form*>(object), QAccessible::Dialog);
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(static_cast<PictureBox*>(object), QAccessible::Graphic);
    return nullptr;
}

void NameChanged(QObject* display)
{
    // No value change: a display has no value interface, and the bridge would only complain of
    // the event. The name holds the amount, and a screen reader that keeps names reads the new one.
    QAccessibleEvent renamed(display, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void WithoutFocusNews(const std::function<void()>& change)
{
    outerHandler = QAccessible::installUpdateHandler(passAllButFocus);
    change();
    QAccessible::installUpdateHandler(std::exchange(outerHandler, nullptr));
}

} // namespace Accessible
