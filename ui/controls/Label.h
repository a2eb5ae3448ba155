// A label: a caption with a font, colours, an optional border, and click and mouse-down events.
#pragma once

#include "ui/controls/Control.h"

#include <QFont>
#include <QLabel>

#include <optional>

class Label : public Control<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

    // A label that sizes itself to its caption.
    void SetAutoSize(bool autoSize);
    void SetBorderSingle(bool single);
    // The caption keeps the label's font while it fits; a longer one is set smaller, so that
    // every character shows rather than the first ones being cut off.
    void SetShrinkToFit(bool shrink);
    // A display of an amount: a screen reader knows it by this name with the amount, said with its
    // unit by `spoken` where it has one ("Sázka 200 korun"), reads its caption as its value and
    // hears every change of it.
    using Spoken = QString (*)(std::int64_t amount);
    void SetValueDisplay(const QString& name, Spoken spoken = nullptr);
    bool IsValueDisplay() const { return valueDisplay_; }
    // The name a screen reader reads for a display.
    QString DisplayName() const;

    QAccessibleInterface* AccessibleInterface(QWidget& self) override;

signals:
    void Click();
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    bool autoSize_ = false;
    bool valueDisplay_ = false;
    Spoken spoken_ = nullptr;
    std::optional<QFont> designFont_;
};
