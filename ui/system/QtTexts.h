// Czech for the texts that Qt's own widgets put into the game's windows: the menus of the text
// boxes and of their scroll bars. They read Czech whether or not Qt's translations are installed.
#pragma once

#include <QTranslator>

class QtTexts : public QTranslator {
public:
    QString translate(
        const char* context, const char* sourceText, const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};
