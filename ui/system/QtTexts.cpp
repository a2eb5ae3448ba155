#include "ui/system/QtTexts.h"

#include <cstring>

namespace {
struct Text {
    const char* context;
    const char* english;
    const char* czech;
};

// The words of a Czech desktop's own menus for the same commands.
constexpr Text Texts[] = {
    // A read-only text box: its menu offers only what does not change the text.
    { "QWidgetTextControl", "&Copy", "&Kopírovat" },
    { "QWidgetTextControl", "Copy &Link Location", "Kopírovat &adresu odkazu" },
    { "QWidgetTextControl", "Select All", "Vybrat &vše" },
    { "QScrollBar", "Scroll here", "Posunout sem" },
    { "QScrollBar", "Top", "Začátek" },
    { "QScrollBar", "Bottom", "Konec" },
    { "QScrollBar", "Page up", "O stránku nahoru" },
    { "QScrollBar", "Page down", "O stránku dolů" },
    { "QScrollBar", "Scroll up", "Posunout nahoru" },
    { "QScrollBar", "Scroll down", "Posunout dolů" },
    { "QScrollBar", "Left edge", "Levý okraj" },
    { "QScrollBar", "Right edge", "Pravý okraj" },
    { "QScrollBar", "Page left", "O stránku vlevo" },
    { "QScrollBar", "Page right", "O stránku vpravo" },
    { "QScrollBar", "Scroll left", "Posunout vlevo" },
    { "QScrollBar", "Scroll right", "Posunout vpravo" },
};
} // namespace

QString QtTexts::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return {};
    for (const Text& text : Texts)
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, sourceText) == 0)
            return QString::fromUtf8(text.czech);
    // Not ours: the next translator, or the text as it is.
    return {};
}
