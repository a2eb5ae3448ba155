// What the windowing platform gives the game: random numbers, the screen and its picture, the
// question box, the list of loaded windows and the messages to a screen reader. One instance per
// run; tests make their own and script its parts.
#pragma once

#include "ui/access/Announcer.h"
#include "ui/system/Desktop.h"
#include "ui/system/MessageBox.h"
#include "ui/system/Random.h"
#include "ui/system/Screen.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class Form;

// The loaded windows: unloading the last one ends the program.
class Forms {
public:
    Forms();

    void Loaded(Form* form);
    void Unloaded(Form* form);
    std::size_t Count() const { return loaded_.size(); }
    bool IsLoaded(const Form* form) const;

    // Discards every window shown modally: nothing opened over a window outlives it.
    void DiscardModal();

    // What "the program ends" means: quitting the event loop, or, in tests, whatever they need to see.
    std::function<void()> OnLastUnloaded;

    // A window shown modally runs an event loop of its own inside a handler of the window under
    // it. While one is open, a window that goes is kept in memory until every such loop is over:
    // the handler that opened the loop may belong to it and go on running once the loop returns.
    class Modal {
    public:
        explicit Modal(Forms* forms);
        ~Modal();
        Modal(const Modal&) = delete;
        Modal& operator=(const Modal&) = delete;

    private:
        Forms* forms_;
    };
    // Deletes an unloaded window as soon as nothing of it can be running any more.
    void Release(Form* form);
    ~Forms();

private:
    std::vector<Form*> loaded_;
    int modal_ = 0;
    std::vector<QPointer<Form>> released_;
};

struct Platform {
    // The program's command line after its own name.
    QString CommandLine;
    Random rnd;
    Screen screen;
    Desktop desktop;
    Forms forms;
    MessageBox msgBox { &forms };
    Announcer announcer;
};

// Lets pending window events be handled.
void DoEvents();
