// A picture box: shows one picture at its top left corner, optionally taking the picture's size.
#pragma once

#include "ui/controls/Control.h"
#include "ui/pictures/LazyPixmap.h"

class PictureBox : public Control<QWidget> {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    // The picture's pixels, decoded if they were not yet.
    const QPixmap& Picture() const { return picture_.Pixmap(); }
    void SetPicture(const LazyPixmap& picture);
    void SetAutoSize(bool autoSize);

signals:
    void Click();
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LazyPixmap picture_;
    bool autoSize_ = false;
};
