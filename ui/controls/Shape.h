// A rectangle outline, transparent inside, drawn over the window's background; it takes no input.
#pragma once

#include "ui/controls/Control.h"

class Shape : public Control<QWidget> {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent);

    void SetBorderColor(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor borderColor_ { 0, 0, 0 };
};
