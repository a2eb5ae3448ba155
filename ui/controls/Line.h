// A straight line between two points of its window, in the window's unit; it takes no input.
#pragma once

#include "ui/controls/Control.h"

#include <QLine>

class Line : public Control<QWidget> {
    Q_OBJECT
public:
    explicit Line(QWidget* parent);

    void SetEnds(int x1, int y1, int x2, int y2);
    // The width in pixels.
    void SetBorderWidth(int width);
    void SetBorderColor(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QLine ends_;
    int borderWidth_ = 1;
    QColor borderColor_ { 0, 0, 0 };
};
