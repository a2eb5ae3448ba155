// What the game tells a screen reader beyond what it shows: a short message as each thing happens
// (a card dealt, the stake changed, who won), said without moving the focus or changing a pixel.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAccessibleInterface;
class QWidget;

class Announcer : public QObject {
public:
    // Said from the active window once one of ours is on the screen: a window still on its way
    // there would have the message cut off by the screen reader turning to it. Without a screen
    // reader listening, nothing is said.
    void Say(const QString& text);

    // Every message as it is said, also without a screen reader.
    std::function<void(const QString&)> OnSay;

    // The accessible interfaces of the widgets the messages are said through; nullptr for others.
    static QAccessibleInterface* Interface(QObject* object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayFrom(QWidget* window, const QString& text);

    QStringList waiting_;
};
