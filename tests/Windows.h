// The game's windows as the tests find them: the one of a kind on the screen, and all of them
// gone when a test is over.
#pragma once

#include "ui/controls/Form.h"

#include <QApplication>

template <typename Window> Window* Shown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<Window*>(window); w && w->isVisible())
            return w;
    return nullptr;
}

inline void DeleteAllForms()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(window))
            delete window;
}
