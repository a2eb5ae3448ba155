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
             { "bin/pgrep", "#!/bin/sh\nexit 1" } }) {
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
    ASSERT_TRUE(waitUntil(Patience, [&] { return xdotool("getwindowfocus getwindowname").trimmed() == "Openbox"; }));
    const auto bus = start(tool("dbus-daemon"), "--session --nofork --print-address=1 --address=unix:path=" + at("b"));
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus->FirstLine(Patience));
    const auto accessibilityBus = start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately");
    const auto speech = start(tool("speech-dispatcher"), "-s -t 0");
    const auto orca = start(tool("orca"));
    const auto transcript = [&] {
        QFile file(at("said"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
    };
    ASSERT_TRUE(waitUntil(Patience, [&] { return transcript().contains("Čtečka obrazovky zapnuta"); }));
    env.insert("QT_QPA_PLATFORM", "xcb");
    // Qt's leak of a key whose window is gone is told apart only by full stacks (tests/lsan.supp).
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":fast_unwind_on_malloc=0");
    const auto ixa = std::make_unique<Child>(IXA_BINARY, QStringList { "11" }, env, at("ixa.err"));

    // Each key is pressed once what the last one brought is heard: a key cuts short what is still
    // to be said. Orca reviews the screen line by line (KP_), up from the focus, then down.
    // Ten stands, each with a refusal; the voice is as slow as the desktop's at its usual rate. The
    // speech service says each sentence apart, and leaves out an exclamation mark.
    const std::pair<const char*, const char*> game[] = {
        { "", "Ixa rám\\. V peněžence 1100\\. Pravidla.* F1\\W*Rozdej karty tlačítko\\." },
        { "alt+r", "\\S+ \\S+, \\d+ bod" }, { "Delete", "Nejprve sázejte" }, { "1", "Sázka 200\\." },
        // Orca's own click on the focused note, in its review of the screen, stakes it once.
        { "KP_Begin", "100" }, { "KP_Divide", "Sázka 400\\." }, { "Delete", "\\S+ \\S+, (dvě esa, )?\\d+ bod" },
        { "alt+d", "(Výhra|Prohra)[^.]+\\. (Počítač [^.]+\\. )?(V peněžence \\d+|Vše prohráno)\\." },
        { "", "Rozdej karty tlačítko" },
        { "KP_Home", "Vaše karta \\S+ \\S+.*Body pro Vás \\d+.*Karta počítače \\S+ \\S+.*Body pro počítač \\d+" },
        { "KP_Page_Up", "Sázka 0 Kč Obsah Vaší peněženky \\d+ Kč" },
        { "F1", "O aplikaci dialog .*Karetní hra .* OK tlačítko\\." },
        { "alt+p", "Hrajete proti počítači, který drží bank\\." },
        { "alt+s", "Změny obsahu Vaší peněženky\\. Odehraných her 10, vyhraných \\d+, prohraných \\d+\\. V peněžence" },
        { "Escape", "O aplikaci" }, { "Return", "Ixa rám\\. Rozdej karty tlačítko\\." },
        // The status bar holds the last message, the outcome; the keypad Enter of the command is
        // Orca's own and deals nothing, however late Orca tells Qt so on a busy machine.
        { "Insert+KP_Enter Insert+KP_Enter", "(Výhra|Prohra).*? V peněžence \\d+\\. stavová\\W+(pomlčka )?lišta" },
        { "alt+k", "Opravdu mám vyplatit výhru\\W*Ano tlačítko\\." },
        { "Return", "Vyplaceno \\d+ Kč\\. Hru ukončí kterákoli klávesa\\." }
    };
    QRegularExpressionMatch match;
    QStringList delays;
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
        const bool byLine = QByteArray(key).startsWith("KP_") && QByteArray(key) != "KP_Divide";
        for (int line = 0; *key && line < (byLine ? 20 : 1) && !said.match(transcript(), heard).hasMatch(); ++line) {
            const qsizetype before = transcript().size();
            xdotool(QStringLiteral("key ") + key);
            waitUntil(byLine ? 10000 : 0, [&] { return transcript().size() > before; });
        }
        ASSERT_TRUE(waitUntil(Patience, [&] { return (match = said.match(transcript(), heard)).hasMatch(); }))
            << words << " not heard after: " << transcript().mid(heard).toStdString();
        if (QByteArray(key) != "alt+d")
            continue;
        // From the second card to the outcome the player hears the focus reach "Dost" (late on a busy
        // machine, with what it says in the bank's turn, at once or on its own), the key and the bank's cards, and no
        // other move of the focus; the outcome comes first after the bank's last card, which it names.
        QFile timed(at("timed"));
        QStringList turn = timed.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(timed.readAll()).split('\n', Qt::SkipEmptyParts)
            : QStringList();
        turn = turn.mid(turn.lastIndexOf(QRegularExpression("\\d+ .*\\d bod.*")) + 1);
        const auto text = [](const QString& line) { return line.section(' ', 1).trimmed(); };
        const QString rank = QStringLiteral("(eso|král|svršek|spodek|desítka|devítka|osma|sedma)");
        const QRegularExpression bankOrStand(
            "^(Dost tlačítko(\\.| Počkejte, hraje počítač\\.)|Počkejte, hraje počítač\\.|\\S* ?Alt|(Počítač )?" + rank
                + "(, " + rank + ")*\\.)$",
            QRegularExpression::CaseInsensitiveOption);
        qsizetype outcome = 0;
        while (outcome < turn.size() && bankOrStand.match(text(turn[outcome])).hasMatch())
            ++outcome;
        ASSERT_TRUE(outcome < turn.size() && text(turn[outcome]).contains(QRegularExpression("^(Výhra|Prohra)")))
            << turn.join('\n').toStdString();
        // A figure only: how long after the bank's last card the outcome began, the bank's first
        // card said at once and the rest a tick apart.
        const qsizetype first = turn.indexOf(QRegularExpression("\\d+ Počítač .*"));
        const qsizetype cards = turn.join(' ').count(QRegularExpression("(?i)\\b" + rank + "\\b"));
        delays << QString::number(turn[outcome].section(' ', 0, 0).toLongLong()
            - turn.value(first).section(' ', 0, 0).toLongLong() - frmStulDesign::TahIntervalMs * (cards - 1));
        if (delays.size() < 10)
            step = 0;
        else
            std::cout << "The outcome began after the bank's last card (ms): " << delays.join(", ").toStdString()
                      << '\n';
    }
    EXPECT_FALSE(transcript().contains("Sázka 600")) << transcript().toStdString();
    // None of the game's words has a sign that a voice reads out; the dash is Orca's own, in the
    // name it gives the status bar.
    EXPECT_FALSE(transcript().contains(QRegularExpression("dvojtečka|závorka|pomlčka(?! lišta)")))
        << transcript().toStdString();
    // The review reads the points and the purse just told, and the pay-out pays that purse.
    const QRegularExpressionMatch reviewed
        = QRegularExpression("(\\d+) bod(?!.*\\d bod).*V peněžence (\\d+)\\..+?Rozdej"
                             ".*Body pro Vás \\1\\b.*peněženky \\2 Kč")
              .match(transcript().left(beforeStatusBar));
    EXPECT_TRUE(reviewed.hasMatch() && transcript().contains("Vyplaceno " + reviewed.captured(2) + " Kč"))
        << transcript().toStdString();
    xdotool("mousemove 512 384 click 1");
    EXPECT_TRUE(ixa->process().waitForFinished(Patience) && ixa->process().exitCode() == 0) << "a click ends the game";
    // The displays' amounts reach the reader in their names, with nothing for the bridge to refuse.
    QFile errors(at("ixa.err"));
    EXPECT_TRUE(errors.open(QIODevice::ReadOnly) && !errors.readAll().contains("qt.accessibility"));
    // Orca ends on a signal only once it hears from the desktop again.
    orca->process().kill();
}
