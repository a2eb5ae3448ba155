#include "ui/Accessible.h"

#include "ui/Label.h"
#include "ui/PictureBox.h"

#include <QAccessibleValueChangeEvent>
#include <QAccessibleWidget>

#include <limits>

namespace {
// An amount is read out as a number; "Sázejte !" as what it says.
QVariant valueOf(const QString& shown)
{
    bool number = false;
    const qlonglong amount = shown.toLongLong(&number);
    return number ? QVariant(amount) : QVariant(shown);
}

// A label reads as its caption; a display of an amount is named by what it shows, and its
// caption is its value. Qt asks for the interface once, maybe before the design has made the
// label a display, so the difference is decided at every question.
class LabelInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LabelInterface(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return label()->IsValueDisplay() ? label()->Caption() : QString();
        if (t == QAccessible::Name && !label()->IsValueDisplay() && label()->accessibleName().isEmpty())
            return label()->Caption();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && label()->IsValueDisplay())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return valueOf(label()->Caption()); }
    void setCurrentValue(const QVariant&) override { }
    QVariant maximumValue() const override { return std::numeric_limits<std::int32_t>::max(); }
    QVariant minimumValue() const override { return std::numeric_limits<std::int32_t>::min(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};
} // namespace

namespace Accessible {

QAccessibleInterface* Interface(const QString& className, QObject* object)
{
    if (className == QLatin1String("Label"))
        return new LabelInterface(static_cast<Label*>(object));
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(static_cast<PictureBox*>(object), QAccessible::Graphic);
    return nullptr;
}

void ValueChanged(QObject* display, const QString& shown)
{
    QAccessibleValueChangeEvent event(display, valueOf(shown));
    QAccessible::updateAccessibility(&event);
}

} // namespace Accessible
