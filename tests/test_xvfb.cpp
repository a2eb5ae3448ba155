// The real program on a real X server, seen as a player sees it: started, looked at, closed.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// A started program that is ended, whatever happens, when the test is over.
class Child {
public:
    // What it writes to stderr goes to a file, so that a full pipe never stops it.
    Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& errors = QProcess::nullDevice())
    {
        process_.setStandardErrorFile(errors);
        process_.setProgram(program);
        process_.setArguments(arguments);
        process_.setProcessEnvironment(environment);
        process_.start();
    }
    ~Child() { stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    QProcess& process() { return process_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }

    void stop()
    {
        if (!running())
            return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

private:
    QProcess process_;
};

// Runs a tool to its end and gives back what it printed.
QByteArray run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
    int* exitCode = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

bool waitUntil(int ms, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(100);
    }
    return true;
}

bool isTableGreen(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 128 && qBlue(pixel) == 0;
}

bool isYellow(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80;
}

struct Seen {
    double greenShare = 0;
    int yellowAtTopCentre = 0;
};

Seen look(const QImage& screen)
{
    Seen seen;
    qint64 green = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            green += isTableGreen(pixel);
            if (y < screen.height() / 8 && x >= screen.width() / 4 && x < screen.width() * 3 / 4)
                seen.yellowAtTopCentre += isYellow(pixel);
        }
    seen.greenShare = static_cast<double>(green) / (static_cast<double>(screen.width()) * screen.height());
    return seen;
}

TEST(RealProgram, OpensAGreenTableWithTheHintAtTheTopAndEndsWhenThePlayerClosesIt)
{
    for (const char* needed : { "Xvfb", "openbox", "xdotool", "import" })
        if (tool(needed).isEmpty())
            GTEST_SKIP() << needed << " is not installed";
    const QString program = QStringLiteral(IXA_BINARY);
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    // The X server picks a free display itself and tells its number once it takes connections.
    Child xvfb(tool("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight), QStringLiteral("-noreset"),
            QStringLiteral("-nolisten"), QStringLiteral("tcp") },
        QProcessEnvironment::systemEnvironment());
    QByteArray number;
    ASSERT_TRUE(waitUntil(10000, [&] {
        xvfb.process().waitForReadyRead(100);
        number += xvfb.process().readAllStandardOutput();
        return number.endsWith('\n') || !xvfb.running();
    }));
    ASSERT_TRUE(xvfb.running()) << "the X server did not start";
    const QString display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());

    QProcessEnvironment x = QProcessEnvironment::systemEnvironment();
    x.insert(QStringLiteral("DISPLAY"), display);
    x.remove(QStringLiteral("WAYLAND_DISPLAY"));

    // A window manager, so that maximising and closing work as on a desktop.
    Child windowManager(tool("openbox"), QStringList {}, x);
    const QString errorFile = scratch.filePath(QStringLiteral("ixa.err"));
    auto errors = [&] {
        QFile file(errorFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };

    QProcessEnvironment game = x;
    game.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1"));
    game.insert(QStringLiteral("UBSAN_OPTIONS"), QStringLiteral("print_stacktrace=1:halt_on_error=1"));
    // Under X the system libraries keep a few allocations to the end; none of them are ours.
    game.insert(QStringLiteral("LSAN_OPTIONS"),
        QStringLiteral("suppressions=")
            + QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("lsan.supp")));
    Child ixa(program, {}, game, errorFile);

    QString window;
    const bool appeared = waitUntil(20000, [&] {
        window = QString::fromLatin1(run(tool("xdotool"),
                                         { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--name"), QStringLiteral("^Ixa$") },
                                         x))
                     .split('\n')
                     .value(0)
                     .trimmed();
        return !window.isEmpty() || !ixa.running();
    });
    ASSERT_TRUE(appeared && ixa.running()) << "no window titled Ixa within 20 s\n" << errors();

    // The first frames may still be on their way: look until the table is there, for a while.
    const QString shot = scratch.filePath(QStringLiteral("screen.png"));
    Seen seen;
    QImage screen;
    waitUntil(8000, [&] {
        run(tool("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:") + shot }, x);
        screen = QImage(shot).convertToFormat(QImage::Format_RGB32);
        seen = look(screen);
        return seen.greenShare > 0.5 && seen.yellowAtTopCentre > 20;
    });
    ASSERT_EQ(screen.size(), QSize(ScreenWidth, ScreenHeight));
    EXPECT_GT(seen.greenShare, 0.7) << "the table should fill the screen";
    EXPECT_GT(seen.yellowAtTopCentre, 20) << "the yellow hint should show at the top centre";
    if (HasFailure())
        screen.save(QStringLiteral("/tmp/ixa-xvfb-failed.png"));

    // The player closes the window, confirms the pay-out if asked, and presses a key on the last screen.
    run(tool("xdotool"), { QStringLiteral("windowactivate"), QStringLiteral("--sync"), window }, x);
    run(tool("xdotool"), { QStringLiteral("key"), QStringLiteral("alt+F4") }, x);
    const bool ended = waitUntil(15000, [&] {
        if (!ixa.running() || ixa.process().waitForFinished(700))
            return true;
        run(tool("xdotool"), { QStringLiteral("key"), QStringLiteral("Return") }, x);
        return false;
    });
    EXPECT_TRUE(ended) << "the program was still running 15 s after its window was closed\n" << errors();
    if (ended) {
        EXPECT_EQ(ixa.process().exitStatus(), QProcess::NormalExit) << errors();
        EXPECT_EQ(ixa.process().exitCode(), 0) << errors();
    }
    EXPECT_EQ(errors().find("Sanitizer"), std::string::npos) << errors();
    EXPECT_EQ(errors().find("runtime error"), std::string::npos) << errors();
}

} // namespace
