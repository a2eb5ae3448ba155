// What the windowing platform gives the game: random numbers, the clock, the screen and its
// picture, the question box, the list of loaded windows and the messages to a screen reader. One
// instance per run; tests make their own and script its parts.
#pragma once

#include "ui/access/Announcer.h"
#include "ui/runtime/Clock.h"
#include "ui/runtime/Random.h"
#include "ui/system/Desktop.h"
#include "ui/system/Forms.h"
#include "ui/system/MessageBox.h"
#include "ui/system/Screen.h"

#include <QString>

struct Platform {
    // The program's command line after its own name.
    QString CommandLine;
    Random rnd;
    Clock clock;
    Screen screen;
    Desktop desktop;
    Forms forms;
    MessageBox msgBox { &forms };
    Announcer announcer;
};

// Lets pending window events be handled.
void DoEvents();
