// The application object: Czech texts for the platform's own buttons, the fonts the designs name,
// the game's icon, and key preview for the windows that ask for it.
#pragma once

#include "ui/access/ScreenReaderKeys.h"
#include "ui/system/QtTexts.h"
#include "ui/system/X11.h"

#include <QApplication>
#include <QTranslator>

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // The program's command line after its own name, joined by blanks.
    static QString CommandText(int argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Every loaded window goes without its unload handler, which ends the run.
    static void DiscardAllForms();

    // What the player presses, on its way while a screen reader decides on the keys.
    ScreenReaderKeys& Presses() { return screenReaderKeys_; }

private:
    QTranslator qtTranslator_;
    QtTexts qtTexts_;
    X11::DestroyedWindowWatch destroyedWindowWatch_;
    ScreenReaderKeys screenReaderKeys_;
};
