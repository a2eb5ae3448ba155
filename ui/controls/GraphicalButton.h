// A button that shows a picture instead of a caption and is exactly as large as the picture.
#pragma once

#include "ui/controls/ClickRule.h"
#include "ui/controls/Control.h"
#include "ui/pictures/LazyPixmap.h"

#include <QAbstractButton>

class GraphicalButton : public Control<QAbstractButton> {
    Q_OBJECT
public:
    explicit GraphicalButton(QWidget* parent);

    // The picture's pixels, decoded if they were not yet.
    const QPixmap& Picture() const { return picture_.Pixmap(); }
    void SetPicture(const LazyPixmap& picture);

    QSize sizeHint() const override;

    // What an assistive tool can do with the button besides pressing it, by the name it is offered
    // under ("Odebrat" on a banknote, which the right mouse button takes back); empty for nothing.
    QString SecondAction() const { return secondAction_; }
    void SetSecondAction(const QString& name) { secondAction_ = name; }
    // Pressed by an assistive tool as the mouse presses it: the left button clicks too.
    void PressWith(std::int16_t Button);

    QAccessibleInterface* AccessibleInterface(QWidget& self) override;

signals:
    void Click();
    // Every mouse button, not only the left one: the banknotes take a note back on the right one.
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Now on its window's clock.
    qint64 nowMs() const;
    // When its window last had a key pressed: a key pressed after a click begins another gesture.
    qint64 lastKeyAt() const;
    bool screenReaderAtWork() const;

    LazyPixmap picture_;
    bool hovered_ = false;
    QString secondAction_;
    ClickRule clicks_;
    bool pressIgnored_ = false;
};
