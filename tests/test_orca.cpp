// A whole game as a blind player plays it: by keys alone, with the desktop's screen reader, Orca,
// speaking Czech with Debian's own speech settings through a silent voice that writes down what it
// says.
#include "ChildProcess.h"
#include "ui/designs/frmStulDesign.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

TEST(ScreenReader, ABlindPlayerHearsAWholeGameFromTheDealToThePayOut)
{
    for (const char* needed : { "Xvfb", "openbox", "xdotool", "dbus-daemon", "speech-dispatcher", "orca", "espeak-ng" })
        if (tool(needed).isEmpty())
            GTEST_SKIP() << needed << " is not installed";
    QTemporaryDir home;
    const auto at = [&](const QString& path) { return home.filePath(path); };
    // The voice writes each utterance as a line, and sound goes nowhere. Orca will not start while
    // another Orca of the same user runs anywhere on the machine, which it asks pgrep: this pgrep
    // finds none, so that test runs side by side have one each. The speech settings are Debian's,
    // which turn a colon or a dash into a word, as a player hears them.
    const QString speechd = QStringLiteral(".config/speech-dispatcher/");
    QFile debian(QStringLiteral("/etc/speech-dispatcher/speechd.conf"));
    ASSERT_TRUE(debian.open(QIODevice::ReadOnly));
    const QString settings = QString::fromUtf8(debian.readAll()).remove(QRegularExpression("(?m)^Include.*$"));
    for (const auto& [path, text] : { std::pair<QString, QString> { ".asoundrc", "pcm.!default { type null }" },
             { speechd + "speechd.conf",
                 settings
                     + "AudioOutputMethod alsa\nAddModule recorder sd_generic recorder.conf\nDefaultModule recorder" },
             { speechd + "modules/recorder.conf",
                 "GenericExecuteSynth \"" + at("bin/say")
                     + " \\'$DATA\\'\"\nGenericLanguage cs czech utf-8\n"
                       "AddVoice cs male1 recorder" },
             { "bin/say",
                 "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " + at("said") + "\nprintf '%s %s\\n' $(date +%s%3N) \"$1\" >> "
                     + at("timed") + "\nsleep $(espeak-ng -v cs --stdout \"$1\" | wc -c | awk '{print $1 / 44100}')" },
             { "bin/pgrep", "#!/bin/sh\nexit 1" },
             // The messages the game has given the screen reader, oldest first, as the screen reader
             // finds them: in the table's status bar.
             { "bin/game-messages",
                 "#!/usr/bin/python3\nimport pyatspi\n"
                 "for app in pyatspi.Registry.getDesktop(0):\n"
                 " for frame in (f for f in app if f and f.name == 'Ixa'):\n"
                 "  for bar in (b for b in frame if b.getRole() == pyatspi.ROLE_STATUS_BAR):\n"
                 "   print('\\n'.join(m.name for m in bar if m.getRole() == pyatspi.ROLE_NOTIFICATION))" } }) {
        QDir().mkpath(QFileInfo(at(path)).path());
        QFile file(at(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8() + '\n'));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] :
        { std::pair<QString, QString> { "HOME", home.path() }, { "XDG_RUNTIME_DIR", home.path() },
            { "LANG", "cs_CZ.UTF-8" }, { "PATH", at("bin:") + env.value("PATH") } })
        env.insert(name, value);
    env.remove("WAYLAND_DISPLAY");
    const auto start = [&](const QString& program, const QString& arguments = {}) {
        return std::make_unique<Child>(program, arguments.split(' ', Qt::SkipEmptyParts), env);
    };
    const auto xvfb = start(tool("Xvfb"), "-displayfd 1 -screen 0 1024x768x24 -noreset -nolisten tcp");
    env.insert("DISPLAY", ":" + xvfb->FirstLine(Patience));
    const auto xdotool = [&](const QString& arguments) { return run(tool("xdotool"), arguments.split(' '), env); };
    const auto windowManager = start(tool("openbox"));
    ASSERT_TRUE(waitUntil(Patience, [&] { return xdotool("getwindowfocus getwindowname").trimmed() == "Openbox"; }))
        << "the window manager never took the keyboard";
    const auto bus = start(tool("dbus-daemon"), "--session --nofork --print-address=1 --address=unix:path=" + at("b"));
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus->FirstLine(Patience));
    const auto accessibilityBus = start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately");
    const auto speech = start(tool("speech-dispatcher"), "-s -t 0");
    const auto orca = start(tool("orca"));
    const auto transcript = [&] {
        QFile file(at("said"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
    };
    ASSERT_TRUE(waitUntil(Patience, [&] { return transcript().contains("Čtečka obrazovky zapnuta"); }))
        << "Orca never said it had started: " << transcript().toStdString();
    env.insert("QT_QPA_PLATFORM", "xcb");
    // Qt's leak of a key whose window is gone is told apart only by full stacks (tests/lsan.supp).
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":fast_unwind_on_malloc=0");
    const auto ixa = std::make_unique<Child>(IXA_BINARY, QStringList { "11" }, env, at("ixa.err"));

    // Each key is pressed once what the last one brought is heard: a key cuts short what is still
    // to be said. Orca reviews the screen line by line (KP_), up from the focus, then down.
    // Ten stands, each with a refusal; the voice is as slow as the desktop's at its usual rate. The
    // speech service says each sentence apart, and leaves out an exclamation mark.
    const std::pair<const char*, const char*> game[] = {
        { "", "Ixa rám\\. V peněžence 1100 korun\\. Pravidla.* F1\\W*Rozdej karty tlačítko\\." },
        { "alt+r", "\\S+ \\S+, \\d+ bod" }, { "Delete", "Nejprve sázejte" }, { "1", "Sázka 200 korun\\." },
        // Orca's own click on the focused note, in its review of the screen, stakes it once.
        { "KP_Begin", "100" }, { "KP_Divide", "Sázka 400 korun\\." }, { "Delete", "\\S+ \\S+, (dvě esa, )?\\d+ bod" },
        { "alt+d", "(Výhra|Prohra)[^.]+\\. ([^.]+\\. )?(V peněžence \\d+ korun|Vše prohráno)\\." },
        { "", "Rozdej karty tlačítko" },
        { "KP_Home", "Vaše karta \\S+ \\S+.*Body pro Vás \\d+.*Karta počítače \\S+ \\S+.*Body pro počítač \\d+" },
        { "KP_Page_Up", "Sázka 0 korun Obsah Vaší peněženky \\d+ korun" },
        { "F1", "O aplikaci dialog .*Karetní hra .* OK tlačítko\\." },
        { "alt+p", "Hrajete proti počítači, který drží bank\\." },
        { "alt+s", "Změny obsahu Vaší peněženky\\. Odehraných her 10, vyhraných \\d+, prohraných \\d+\\. V peněžence" },
        { "Escape", "O aplikaci" }, { "Return", "Ixa rám\\. Rozdej karty tlačítko\\." },
        // The status bar tells where the game stands, the last outcome between games; the keypad
        // Enter of the command is Orca's own and deals nothing, however late Orca tells Qt so on a
        // busy machine.
        { "Insert+KP_Enter Insert+KP_Enter",
            "Rozdejte karty\\. (Výhra|Prohra).*? V peněžence \\d+ korun\\. stavová\\W+(pomlčka )?lišta" },
        { "alt+k", "Opravdu mám vyplatit výhru\\W*Ano tlačítko\\." },
        { "Return", "Vyplaceno \\d+ korun\\. Hru ukončí kterákoli klávesa\\." }
    };
    // The speech service says each sentence apart and leaves out some signs: a line is known by its words.
    const auto wordsOf = [](QString text) { return text.replace(QRegularExpression("\\W+"), " ").trimmed(); };
    const auto spokenMs = [&](const QString& text) {
        return run(tool("espeak-ng"), { "-v", "cs", "--stdout", text }, env).size() * 1000 / 44100;
    };
    const auto onGame
        = [&] { return xdotool("getwindowfocus getwindowpid").trimmed().toLongLong() == ixa->process().processId(); };
    QRegularExpressionMatch match;
    QStringList delays, blocks;
    qsizetype beforeStatusBar = 0;
    for (std::size_t step = 0; step < std::size(game); ++step) {
        const auto& [key, words] = game[step];
        // The screen review's click is tried in the first game: the purse still lasts ten.
        if (!delays.isEmpty() && (QByteArray(key) == "KP_Begin" || QByteArray(key) == "KP_Divide"))
            continue;
        const QRegularExpression said(QString::fromUtf8(words));
        const qsizetype heard = match.capturedEnd() < 0 ? 0 : match.capturedEnd();
        if (QByteArray(key).startsWith("Insert"))
            beforeStatusBar = heard;
        // A key sent while another window has the keyboard is lost, which a busy desktop can make
        // happen: the key waits for the game's window.
        ASSERT_TRUE(!*key || waitUntil(Patience, onGame))
            << key << " would have gone to \"" << xdotool("getwindowfocus getwindowname").trimmed().toStdString()
            << "\": the game's window never had the keyboard";
        const bool byLine = QByteArray(key).startsWith("KP_") && QByteArray(key) != "KP_Divide";
        for (int line = 0; *key && line < (byLine ? 20 : 1) && !said.match(transcript(), heard).hasMatch(); ++line) {
            const qsizetype before = transcript().size();
            xdotool(QStringLiteral("key ") + key);
            waitUntil(byLine ? 10000 : 0, [&] { return transcript().size() > before; });
        }
        ASSERT_TRUE(waitUntil(Patience, [&] { return (match = said.match(transcript(), heard)).hasMatch(); }))
            << words << " not heard after " << (*key ? key : "the last key")
            << ", sent to the game's window: " << transcript().mid(heard).toStdString();
        if (QByteArray(key) != "alt+d")
            continue;
        // From the second card on, the player hears Orca's own words (the focus reaching "Dost",
        // late on a busy machine and with its description, a key's name) and the game's: the
        // bank's cards, and the outcome as the first of the game's messages after the bank's last
        // card. The game's messages are those it gave the screen reader, found where the screen
        // reader finds them; the last of them is the outcome.
        const QStringList given
            = QString::fromUtf8(run(at("bin/game-messages"), {}, env)).split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(given.isEmpty()) << "the game's messages are not in its status bar";
        QStringList others, outcome;
        for (const QString& message : given)
            for (const QString& sentence : message.split(QRegularExpression("(?<=[.!?])\\s+")))
                (&message == &given.last() ? outcome : others) << wordsOf(sentence);
        QFile timed(at("timed"));
        QStringList turn = timed.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(timed.readAll()).split('\n', Qt::SkipEmptyParts)
            : QStringList();
        turn = turn.mid(turn.lastIndexOf(QRegularExpression("\\d+ .*\\d bod.*")) + 1);
        const auto text = [](const QString& line) { return line.section(' ', 1).trimmed(); };
        const auto startOf = [](const QString& line) { return line.section(' ', 0, 0).toLongLong(); };
        qsizetype outcomeAt = -1, lastOfOutcome = -1;
        bool lateCard = false;
        QStringList marked;
        for (qsizetype i = 0; i < turn.size(); ++i) {
            const QString w = wordsOf(text(turn[i]));
            const bool ofOutcome = outcome.contains(w) && (outcomeAt >= 0 || w == outcome.first());
            if (ofOutcome && outcomeAt < 0)
                outcomeAt = i;
            lastOfOutcome = ofOutcome ? i : lastOfOutcome;
            lateCard = lateCard || (outcomeAt >= 0 && !ofOutcome && others.contains(w));
            marked << (ofOutcome ? "outcome " : others.contains(w) ? "game    " : "Orca    ") + turn[i];
        }
        ASSERT_TRUE(outcomeAt >= 0 && !lateCard)
            << "the outcome is not the game's first message after the bank's cards:\n"
            << marked.join('\n').toStdString();
        // Figures only: how long after the bank's last card the outcome began, the bank's first
        // card said at once and the rest a tick apart, and when its last word was said.
        const QString rank = QStringLiteral("(eso|král|svršek|spodek|desítka|devítka|osma|sedma)");
        const qsizetype first = turn.indexOf(QRegularExpression("\\d+ Počítač .*"));
        const qsizetype cards = turn.join(' ').count(QRegularExpression("(?i)\\b" + rank + "\\b"));
        const qint64 lastCard = startOf(turn.value(first)) + frmStulDesign::TahIntervalMs * (cards - 1);
        delays << QString::number(startOf(turn[outcomeAt]) - lastCard);
        blocks << QString::number(startOf(turn[lastOfOutcome]) + spokenMs(text(turn[lastOfOutcome])) - lastCard);
        if (delays.size() < 10)
            step = 0;
        else
            std::cout << "The outcome began after the bank's last card (ms): " << delays.join(", ").toStdString()
                      << "\nand was said whole after (ms): " << blocks.join(", ").toStdString() << '\n';
    }
    EXPECT_FALSE(transcript().contains("Sázka 600")) << transcript().toStdString();
    // None of the game's words has a sign that a voice reads out; the dash is Orca's own, in the
    // name it gives the status bar.
    EXPECT_FALSE(transcript().contains(QRegularExpression("dvojtečka|závorka|pomlčka(?! lišta)")))
        << transcript().toStdString();
    // The review reads the points and the purse just told, and the pay-out pays that purse.
    const QRegularExpressionMatch reviewed
        = QRegularExpression("(\\d+) bod(?!.*\\d bod).*V peněžence (\\d+) korun\\..+?Rozdej"
                             ".*Body pro Vás \\1\\b.*peněženky \\2 korun")
              .match(transcript().left(beforeStatusBar));
    EXPECT_TRUE(reviewed.hasMatch() && transcript().contains("Vyplaceno " + reviewed.captured(2) + " korun"))
        << transcript().toStdString();
    xdotool("mousemove 512 384 click 1");
    EXPECT_TRUE(ixa->process().waitForFinished(Patience) && ixa->process().exitCode() == 0) << "a click ends the game";
    // The displays' amounts reach the reader in their names, with nothing for the bridge to refuse.
    QFile errors(at("ixa.err"));
    EXPECT_TRUE(errors.open(QIODevice::ReadOnly) && !errors.readAll().contains("qt.accessibility"));
    // Orca ends on a signal only once it hears from the desktop again.
    orca->process().kill();
}
