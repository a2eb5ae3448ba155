#include "ui/controls/Label.h"

#include "ui/access/Accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>

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
} // namespace

Label::Label(QWidget* parent)
    : Control<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption)
{
    const bool changed = caption != text();
    setText(caption);
    fit();
    if (valueDisplay_ && changed)
        Accessible::NameChanged(this);
    if (autoSize_)
        adjustSize();
}

void Label::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        adjustSize();
}

void Label::SetBorderSingle(bool single)
{
    setFrameStyle(single ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    emit MouseDown(a.Button, a.Shift, a.X, a.Y);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClick(*this, *event))
        emit Click();
    event->accept();
}

void Label::SetShrinkToFit(bool shrink)
{
    if (shrink && !designFont_)
        designFont_ = font();
    else if (!shrink && designFont_) {
        setFont(*designFont_);
        designFont_.reset();
    }
    fit();
}

void Label::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void Label::fit()
{
    if (!designFont_)
        return;
    // The indent the caption keeps from its own side, it keeps from the other side as well.
    const int room = contentsRect().width() - 2 * (std::max(indent(), 0) + margin());
    QFont font = *designFont_;
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text());
    if (wide > room && room > 0) {
        // As large as fits: the caption then lies as far from the left edge as from the right.
        font.setPointSizeF(font.pointSizeF() * room / wide);
        while (QFontMetricsF(font).horizontalAdvance(text()) > room && font.pointSizeF() > 1)
            font.setPointSizeF(font.pointSizeF() - 0.05);
    }
    if (font != this->font())
        setFont(font);
}

void Label::SetValueDisplay(const QString& name, Spoken spoken)
{
    valueDisplay_ = true;
    spoken_ = spoken;
    setAccessibleName(name);
}

QString Label::DisplayName() const
{
    bool number = false;
    const qlonglong amount = text().toLongLong(&number);
    // No colon between: a voice would say it. A prompt in place of the amount is set apart by a
    // pause, which a comma gives without a word.
    if (!number)
        return accessibleName() + QStringLiteral(", ") + text();
    return accessibleName() + u' ' + (spoken_ ? spoken_(amount) : text());
}

QAccessibleInterface* Label::AccessibleInterface(QWidget&)
{
    return new LabelInterface(this);
}
