#include "ui/Application.h"

#include "ui/access/Accessible.h"
#include "ui/controls/DesignFont.h"
#include "ui/controls/Form.h"
#include "ui/pictures/Pictures.h"
#include "ui/system/Signals.h"

#include <QAccessible>
#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>

namespace {
// A window of ours that another program destroyed. A window shown modally goes as if closed; any
// other one takes the run with it.
void destroyedByOthers(QWidget& window)
{
    auto* form = qobject_cast<Form*>(&window);
    if (form && !form->isModal())
        // The table, the notice or the last screen: the run cannot go on without it.
        Application::DiscardAllForms();
    else if (form)
        form->Discard();
    else
        // The question: as if the player had closed it, which answers No.
        window.close();
}
} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , destroyedWindowWatch_(destroyedByOthers)
{
    // No display name: the platform would add it to every window's title, and each window's
    // caption is to be read exactly as it is.
    setApplicationName(QStringLiteral("Ixa"));
    setDesktopFileName(QStringLiteral("ixa"));
    // The end of the run is the game's own decision (the last window unloaded), not Qt's.
    setQuitOnLastWindowClosed(false);

    // Both design faces are drawn in Liberation Sans, Arial's metric twin, which the package
    // depends on (MS Sans Serif has no free twin). Named, not left to fontconfig: with the
    // Liberation fonts alone installed, fontconfig's sans-serif is Liberation Mono.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"), { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(
        QStringLiteral("Arial"), { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    // The windows' own font is the default of Qt's windows too: the question box, the menus and
    // the tooltips, which would otherwise take the platform's font.
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8.25));

    if (qtTranslator_.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTranslator_);
    // Installed last, so asked first: the same words whether Qt's translations are there or not.
    installTranslator(&qtTexts_);

    setWindowIcon(Pictures::Icon());
    QAccessible::installFactory(Accessible::Interface);
    installNativeEventFilter(&destroyedWindowWatch_);
    Signals::WatchTermination(*this, DiscardAllForms);
}

void Application::DiscardAllForms()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window))
            form->Discard();
}

QString Application::CommandText(int argc, char** argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return words.join(u' ');
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    // Taken as the window system sends it, before the accessibility bridge sees it at the window,
    // which would not wait long enough for the screen reader's answer about a key.
    if (event->spontaneous() && screenReaderKeys_.Take(receiver, *event)) {
        // Also a key the screen reader keeps is one the player pressed: it begins another gesture.
        if (auto* form = qobject_cast<Form*>(QApplication::activeWindow()); form && type == QEvent::KeyPress)
            form->KeyHeldAt(static_cast<qint64>(static_cast<QKeyEvent*>(event)->timestamp()));
        return true;
    }
    if (type == QEvent::KeyPress && receiver->isWidgetType()) {
        auto* form = qobject_cast<Form*>(static_cast<QWidget*>(receiver)->window());
        if (form)
            form->KeyPressedAt(static_cast<qint64>(static_cast<QKeyEvent*>(event)->timestamp()));
        if (form && form->KeyPreview()) {
            QPointer<QObject> guard(receiver);
            form->PreviewKey(*static_cast<QKeyEvent*>(event));
            // The handler may have closed the window the key was meant for.
            if (!guard)
                return true;
        }
    }
    return QApplication::notify(receiver, event);
}
