// What the game tells a screen reader beyond what it shows: a short message as each thing happens
// (a card dealt, the stake changed, who won), said without moving the focus or changing a pixel.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

class Announcer : public QObject {
public:
    // Said from the active window once one of ours is on the screen: a window still on its way
    // there would have the message cut off by the screen reader turning to it. Without a screen
    // reader listening, nobody hears it.
    void Say(const QString& text);

    // What the screen reader's command that reads the status bar says in `window` from now on, in
    // place of the last message said there: where things stand, in a sentence or two.
    static void SetStatus(QWidget& window, const QString& status);

    // Makes a change whose move of the focus a screen reader does not hear of, so that the message
    // said with it is not cut short by the name of the control the focus lands on.
    static void WithoutFocusNews(const std::function<void()>& change);

    // Every message as it is said, also without a screen reader.
    std::function<void(const QString&)> OnSay;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayFrom(QWidget* window, const QString& text);

    QStringList waiting_;
};
