// A push button with a caption; "&" marks its access key (Alt with that letter presses it).
#pragma once

#include "ui/controls/Control.h"

#include <QPushButton>

class CommandButton : public Control<QPushButton> {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);
    CommandButton(QWidget* parent, QRect geometry, const QString& caption);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

signals:
    // A left click, Space or Enter while it has the focus, or its access key.
    void Click();
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
