// The real program on a real X server, seen as a player sees it: started, looked at, closed.
#include "ChildProcess.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef IXA_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include <signal.h>

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

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

int yellowIn(const QImage& screen, QRect region)
{
    int yellow = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            yellow += isYellow(screen.pixel(x, y));
    return yellow;
}

// The share of a screen region that is not the table's green: something lies there.
double coveredShare(const QImage& screen, QRect region)
{
    qint64 covered = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            covered += !isTableGreen(screen.pixel(x, y));
    return static_cast<double>(covered) / (static_cast<double>(region.width()) * region.height());
}

// A virtual X server with a window manager, and the real program on it.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* needed : { "Xvfb", "openbox", "xdotool", "import" })
            if (tool(needed).isEmpty())
                GTEST_SKIP() << needed << " is not installed";
        ASSERT_TRUE(scratch.isValid());

        // The X server picks a free display itself and tells its number once it takes connections.
        xvfb = std::make_unique<Child>(tool("Xvfb"),
            QStringList { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(ScreenSize().width()).arg(ScreenSize().height()),
                QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp") },
            QProcessEnvironment::systemEnvironment());
        const QByteArray number = xvfb->FirstLine(Patience);
        ASSERT_FALSE(number.isEmpty() || !xvfb->running()) << "the X server did not start";
        x = QProcessEnvironment::systemEnvironment();
        x.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(number));
        x.remove(QStringLiteral("WAYLAND_DISPLAY"));
        x.remove(QStringLiteral("XDG_SESSION_TYPE"));

        // A window manager, so that maximising and closing work as on a desktop.
        windowManager = std::make_unique<Child>(tool("openbox"), QStringList {}, x);
        // A game that maps its window while the window manager is still taking over the screen may
        // never be shown. Once ready, the window manager gives the focus to a window of its own.
        ASSERT_TRUE(waitUntil(Patience, [&] {
            return xdotool({ QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname") }).trimmed()
                == "Openbox";
        })) << "the window manager did not start";
    }

    virtual QSize ScreenSize() const { return { ScreenWidth, ScreenHeight }; }

    // Starts a program of ours and waits for its window with this title (any of its windows for an
    // empty one), whose id `window` then holds. `more` adds to the environment or overrides it.
    std::unique_ptr<Child> Launch(
        const QString& program, const QString& title, const QStringList& arguments, const QProcessEnvironment& more)
    {
        QProcessEnvironment environment = x;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1"));
        environment.insert(QStringLiteral("UBSAN_OPTIONS"), QStringLiteral("print_stacktrace=1:halt_on_error=1"));
        // Under X the system libraries keep a few allocations to the end; none of them are ours.
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
            QStringLiteral("suppressions=")
                + QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("lsan.supp")));
        for (const QString& name : more.keys())
            environment.insert(name, more.value(name));
        EXPECT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
        auto child = std::make_unique<Child>(program, arguments, environment, errorFile());

        const QStringList which = title.isEmpty()
            ? QStringList { QStringLiteral("--pid"), QString::number(child->process().processId()) }
            : QStringList { QStringLiteral("--name"), QStringLiteral("^%1$").arg(title) };
        const bool appeared = waitUntil(Patience, [&] {
            window = QString::fromLatin1(
                xdotool(QStringList { QStringLiteral("search"), QStringLiteral("--onlyvisible") } + which))
                         .split('\n')
                         .value(0)
                         .trimmed();
            return !window.isEmpty() || !child->running();
        });
        EXPECT_TRUE(appeared && child->running()) << "no window titled " << title.toStdString() << "\n" << errors();
        return child;
    }

    // Starts the game and waits for its window.
    void StartGame(const QStringList& arguments = {}, const QProcessEnvironment& more = {})
    {
        ixa = Launch(QStringLiteral(IXA_BINARY), QStringLiteral("Ixa"), arguments, more);
        ASSERT_FALSE(HasFailure());
    }

    QByteArray xdotool(const QStringList& arguments) { return run(tool("xdotool"), arguments, x); }

    // A key as the player presses it, in xdotool's names ("alt+r", "Delete", "F1"). The game takes
    // the keys in their order; a key that opens a window is done once that window has the keyboard.
    bool Key(const QString& keys, const QString& opens = {})
    {
        xdotool({ QStringLiteral("key"), keys });
        return opens.isEmpty() || WaitForWindow(opens);
    }

    // Alt+R clicks Rozdej karty once the click has been shown for a moment: a key that needs the
    // deal waits until the player's first card lies under his points.
    bool WaitForTheDeal()
    {
        return waitUntil(Patience, [&] {
            const QImage screen = Screenshot();
            const QRect area = InnerArea(screen);
            return coveredShare(screen, QRect(area.left() + 8, area.top() + area.height() / 2 + 33, 120, 200)) > 0.9;
        });
    }

    // Waits until a window of the title has the keyboard, or, with `shown` false, until none is on
    // the screen.
    bool WaitForWindow(const QString& title, bool shown = true)
    {
        return waitUntil(Patience, [&] {
            if (shown)
                return xdotool({ QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname") }).trimmed()
                    == title.toUtf8();
            return xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                               QStringLiteral("^%1$").arg(title) })
                .trimmed()
                .isEmpty();
        });
    }

    // The stake display, where the table lays it out for its inner area at the pixel ratio.
    static QRect StakeDisplay(QRect area, int ratio = 1)
    {
        return QRect(
            area.left() + area.width() - 318 * ratio, area.top() + area.height() - 41 * ratio, 120 * ratio, 33 * ratio);
    }

    // Waits until the window is maximised and drawn, measured anew each time: its inner area lies on
    // the screen, and the stake display reads "0" as before a deal. Gives that display's yellow.
    int WaitUntilMaximised(QRect& area, int ratio = 1)
    {
        int yellowOfZero = 0;
        EXPECT_TRUE(waitUntil(Patience, [&] {
            const QImage screen = Screenshot();
            area = InnerArea(screen);
            yellowOfZero = area.width() > ScreenSize().width() * 9 / 10
                    && area.height() > ScreenSize().height() * 8 / 10
                    && QRect(QPoint(0, 0), ScreenSize()).contains(area)
                ? yellowIn(screen, StakeDisplay(area, ratio))
                : 0;
            return yellowOfZero > 0;
        })) << "the window should open maximised";
        return yellowOfZero;
    }

    // Once the game is settled the stake display reads "0" again, as it did before the deal (during
    // the game it reads "Sázejte !", then the stake).
    bool WaitUntilSettled(QRect stake, int yellowOfZero, QImage& screen)
    {
        return waitUntil(Patience, [&] {
            screen = Screenshot();
            const int yellow = yellowIn(screen, stake);
            return yellow * 10 >= yellowOfZero * 8 && yellow * 10 <= yellowOfZero * 12;
        });
    }

#ifdef IXA_HAVE_XCB
    // The test's own connection to the X server.
    xcb_connection_t* Server()
    {
        if (!server)
            server.reset(xcb_connect(x.value(QStringLiteral("DISPLAY")).toLatin1().constData(), nullptr));
        return server.get();
    }
#endif

    // The whole screen, or a part, taken straight from the X server: at any size in a fraction of
    // the time an image file takes.
    QImage Screenshot(QRect part = {})
    {
        if (part.isNull())
            part = QRect(QPoint(0, 0), ScreenSize());
#ifdef IXA_HAVE_XCB
        const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(Server())).data;
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> image(
            xcb_get_image_reply(Server(),
                xcb_get_image(Server(), XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, part.x(), part.y(), part.width(),
                    part.height(), ~0u),
                nullptr),
            &free);
        if (!image || image->depth != 24)
            return QImage();
        return QImage(xcb_get_image_data(image.get()), part.width(), part.height(), QImage::Format_RGB32).copy();
#else
        const QString shot = scratch.filePath(QStringLiteral("screen.png"));
        run(tool("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:") + shot }, x);
        return QImage(shot).convertToFormat(QImage::Format_RGB32).copy(part);
#endif
    }

    // The window's inner area on the screen. Its size comes from the X server; where it lies is read
    // off the screen (the window manager's frame is in the way of the server's own answer): the
    // table's green begins there, left of the hint and above the computer's cards.
    QRect InnerArea(const QImage& screen)
    {
        QSize size;
        for (const QByteArray& line :
            xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window }).split('\n')) {
            if (line.startsWith("WIDTH="))
                size.setWidth(line.mid(6).toInt());
            else if (line.startsWith("HEIGHT="))
                size.setHeight(line.mid(7).toInt());
        }
        int top = 0;
        while (top < screen.height() && !isTableGreen(screen.pixel(100, top)))
            ++top;
        int left = 0;
        while (left < screen.width() && top + 36 < screen.height() && !isTableGreen(screen.pixel(left, top + 36)))
            ++left;
        return QRect(QPoint(left, top), size);
    }

    // A left click at a point of the window's inner area.
    void Click(QPoint inner)
    {
        xdotool({ QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(inner.x()),
            QString::number(inner.y()), QStringLiteral("click"), QStringLiteral("1") });
    }

    // The game's windows on the screen: the table, and the question while it is open.
    QList<QByteArray> GameWindows()
    {
        QList<QByteArray> windows = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--name"), QStringLiteral("^Ixa$") })
                                        .split('\n');
        windows.removeAll(QByteArray());
        return windows;
    }

    // Alt+F4 on the table. A window manager under load may miss the keys, and a Return meant for the
    // question would then deal a game: the close is asked again until the table is no longer alone.
    bool AskToClose()
    {
        const auto tableAlone
            = [&] { return ixa->running() && GameWindows() == QList<QByteArray> { window.toLatin1() }; };
        for (int attempt = 0; attempt < 4; ++attempt) {
            xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
            xdotool({ QStringLiteral("key"), QStringLiteral("alt+F4") });
            if (waitUntil(Patience / 4, [&] { return !tableAlone(); }))
                return true;
        }
        return false;
    }

    // Alt+F4 on the chart, then OK of the information window under it; each is gone before the next
    // key, which would otherwise reach the window still there.
    void CloseChartAndInformation()
    {
        const QString chart = QStringLiteral("Změny obsahu Vaší peněženky");
        bool closed = false;
        for (int attempt = 0; attempt < 4 && !closed; ++attempt) {
            Key(QStringLiteral("alt+F4"));
            closed = WaitForWindow(chart, false);
        }
        ASSERT_TRUE(closed) << "the chart should close on Alt+F4";
        ASSERT_TRUE(WaitForWindow(QStringLiteral("O aplikaci"))) << "the information window should have the keys";
        Key(QStringLiteral("Return"));
        ASSERT_TRUE(WaitForWindow(QStringLiteral("O aplikaci"), false)) << "Return should press OK";
    }

    // The player closes the window, confirms the pay-out if asked, and presses a key on the last
    // screen; the program must end cleanly.
    void CloseAndExpectACleanEnd()
    {
        ASSERT_TRUE(AskToClose()) << "the table did not react to Alt+F4";
        const bool ended = waitUntil(Patience, [&] {
            if (!ixa->running() || ixa->process().waitForFinished(700))
                return true;
            xdotool({ QStringLiteral("key"), QStringLiteral("Return") });
            return false;
        });
        EXPECT_TRUE(ended) << "the program was still running 15 s after its window was closed\n" << errors();
        ExpectAnEnd(0);
    }

    // The program has ended of itself, with this status, and without the sanitizers' complaints.
    void ExpectAnEnd(int status)
    {
        ASSERT_FALSE(ixa->running()) << errors();
        EXPECT_EQ(ixa->process().exitStatus(), QProcess::NormalExit) << errors();
        EXPECT_EQ(ixa->process().exitCode(), status) << errors();
        EXPECT_EQ(errors().find("Sanitizer"), std::string::npos) << errors();
        EXPECT_EQ(errors().find("runtime error"), std::string::npos) << errors();
    }

    QString errorFile() const
    {
        return scratch.filePath(QStringLiteral("ixa.err"));
    }
    std::string errors() const
    {
        QFile file(errorFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir scratch;
    QProcessEnvironment x;
    QString window;
#ifdef IXA_HAVE_XCB
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> server { nullptr, &xcb_disconnect };
#endif
    // Ended in reverse order: the game, then the window manager, then the X server.
    std::unique_ptr<Child> xvfb;
    std::unique_ptr<Child> windowManager;
    std::unique_ptr<Child> ixa;
};

TEST_F(RealProgram, AWholeGameCanBePlayedWithTheMouse)
{
    StartGame({ QStringLiteral("50") });
    QRect area;
    const int yellowOfZero = WaitUntilMaximised(area);
    ASSERT_FALSE(HasFailure());
    // Where the table lays its controls out for this inner area.
    const int W = area.width(), H = area.height();
    const QPoint rozdej(W - 318 + 60, H - 123 + 16), dost(W - 318 + 60, H - 82 + 16), deck(W - 318 + 60, H - 231);
    const QPoint note100(W - 190 + 80, H - 89);
    const QRect stake = StakeDisplay(area);

    // Resting on Konec, the pointer brings up its tooltip by it: a line as wide as the tooltip's
    // text, written on the tooltips' pale yellow.
    xdotool({ QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(W - 28),
        QStringLiteral("20") });
    const int text = QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Vyplatí výhru a ukončí hru"));
    QRect pale, ink;
    EXPECT_TRUE(waitUntil(Patience,
        [&] {
            const QImage screen = Screenshot();
            pale = ink = QRect();
            for (int y = area.top(); y < area.top() + 80; ++y)
                for (int x = area.right() - 400; x <= area.right(); ++x)
                    pale |= screen.pixel(x, y) == qRgb(255, 255, 220) ? QRect(x, y, 1, 1) : QRect();
            for (int y = pale.top(); y <= pale.bottom(); ++y)
                for (int x = pale.left(); x <= pale.right(); ++x)
                    ink |= qGray(screen.pixel(x, y)) < 100 ? QRect(x, y, 1, 1) : QRect();
            return std::abs(ink.width() - text) <= 4;
        }))
        << "Konec's tooltip should show; writing " << ink.width() << " pixels wide, its text " << text;
    const QRect computersRow(area.left() + 8, area.top() + 41, 120, 200);

    QImage screen;
    Click(rozdej);
    EXPECT_TRUE(WaitForTheDeal()) << "the player's first card should lie under his points";
    EXPECT_LT(coveredShare(Screenshot(), computersRow), 0.1);

    Click(note100);
    Click(deck);
    Click(dost);

    // The bank plays card by card.
    const bool settled
        = WaitUntilSettled(stake, yellowOfZero, screen) && coveredShare(Screenshot(), computersRow) > 0.9;
    if (!settled)
        screen.save(QStringLiteral("/tmp/ixa-xvfb-game-failed.png"));
    EXPECT_TRUE(settled) << "the bank's turn should end and settle the stake";
    CloseAndExpectACleanEnd();
}

// A game with the keyboard alone, then F1 and Alt+S: the chart shows the purse's green line and the
// red line of the starting amount.
TEST_F(RealProgram, AGamePlayedWithTheKeyboardShowsInTheChartOpenedFromF1)
{
    // 200 Kč and a stake of 100: won or lost, the purse moves by a good part of the chart's height.
    StartGame({ QStringLiteral("2") });
    QRect area;
    const int yellowOfZero = WaitUntilMaximised(area);
    ASSERT_FALSE(HasFailure());
    const QRect stake = StakeDisplay(area);

    xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
    Key(QStringLiteral("alt+r"));
    ASSERT_TRUE(WaitForTheDeal()) << "Alt+R should deal";
    for (const char* key : { "1", "Delete", "alt+d" })
        Key(QString::fromLatin1(key));
    QImage screen;
    ASSERT_TRUE(WaitUntilSettled(stake, yellowOfZero, screen)) << "the game should be settled";

    ASSERT_TRUE(Key(QStringLiteral("F1"), QStringLiteral("O aplikaci"))) << "F1 should open the information window";
    ASSERT_TRUE(Key(QStringLiteral("alt+s"), QStringLiteral("Změny obsahu Vaší peněženky"))) << "Alt+S: the chart";

    // The red line is the longest run of pure red on the screen; the green one lies around it,
    // within the chart's width.
    struct Run {
        int row = -1, left = 0, length = 0;
    } red;
    int green = 0;
    waitUntil(Patience, [&] {
        screen = Screenshot();
        red = {};
        for (int y = 0; y < screen.height(); ++y) {
            int length = 0;
            for (int x = 0; x < screen.width(); ++x) {
                length = screen.pixel(x, y) == qRgb(255, 0, 0) ? length + 1 : 0;
                if (length > red.length)
                    red = { y, x - length + 1, length };
            }
        }
        green = 0;
        for (int y = std::max(red.row - 200, 0); red.row >= 0 && y < std::min(red.row + 200, screen.height()); ++y)
            for (int x = red.left; x < red.left + red.length; ++x)
                green += screen.pixel(x, y) == qRgb(0, 255, 0);
        return red.length > 400 && green > red.length;
    });
    if (red.length <= 400 || green <= red.length)
        screen.save(QStringLiteral("/tmp/ixa-xvfb-chart-failed.png"));
    EXPECT_GT(red.length, 400) << "the red line should run across the chart";
    EXPECT_GT(green, red.length) << "the green line of the purse should be drawn, 2 pixels wide";

    CloseChartAndInformation();
    CloseAndExpectACleanEnd();
}

// What a program holds once its window is on the screen and its memory has settled (its peak has
// not grown for a second): its peak resident memory, less the pages of its own executable, which
// hold its code, not memory it fills.
qint64 SettledPeakKb(Child& child, const QString& executable)
{
    const QString proc = QStringLiteral("/proc/%1/").arg(child.process().processId());
    const auto peakNow = [&] {
        QFile status(proc + QStringLiteral("status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        return qint64 { 0 };
    };
    qint64 peak = 0;
    int still = 0;
    waitUntil(Patience, [&] {
        const qint64 now = peakNow();
        still = now == peak ? still + 1 : 0;
        peak = now;
        return still >= 10;
    });
    QFile maps(proc + QStringLiteral("smaps"));
    const QByteArray own = QFileInfo(executable).canonicalFilePath().toUtf8();
    qint64 image = 0;
    bool inImage = false;
    if (maps.open(QIODevice::ReadOnly))
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.value(0).contains('-') && !fields.value(0).endsWith(':'))
                inImage = fields.size() >= 6 && fields.value(5) == own;
            else if (inImage && line.startsWith("Rss:"))
                image += fields.value(1).toLongLong();
        }
    return peak - image;
}

// Pictures are decoded when they are first drawn, and a drawing surface costs nothing while nothing
// is drawn on it: the game on the screen holds hardly more than an empty Qt window. The card grid
// decoded at start-up alone would break the limit. Both are the release builds a player runs: the
// sanitizers' bookkeeping would weigh on every allocation of each, and blur the difference.
TEST_F(RealProgram, HoldsHardlyMoreMemoryThanAnEmptyWindow)
{
    const QString game = QStringLiteral(IXA_RELEASE_PROGRAM);
    const QString empty = QFileInfo(game).dir().filePath(QStringLiteral("ixa-bare"));
    if (!QFileInfo(game).isExecutable() || !QFileInfo(empty).isExecutable())
        GTEST_SKIP() << "no release build beside " << game.toStdString() << " (scripts/test builds it)";
    // Each is measured once its window covers the middle of the screen, where the screen is black.
    const auto drawn = [&] {
        return waitUntil(
            Patience, [&] { return Screenshot().pixel(ScreenWidth / 2, ScreenHeight / 2) != qRgb(0, 0, 0); });
    };
    std::unique_ptr<Child> bare = Launch(empty, QStringLiteral("Bare"), {}, {});
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(drawn());
    const qint64 floor = SettledPeakKb(*bare, empty);
    ASSERT_GT(floor, 0);
    bare->stop();

    ixa = Launch(game, QStringLiteral("Ixa"), {}, {});
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(drawn());
    const qint64 held = SettledPeakKb(*ixa, game);
    EXPECT_LE(held * 100, floor * 110) << "the game holds " << held << " kB, an empty window " << floor << " kB";
}

// The same screen at twice the pixel ratio: 2048 x 1536 device pixels, 1024 x 768 logical ones.
class RealProgramAtTwiceThePixelRatio : public RealProgram {
protected:
    QSize ScreenSize() const override { return { 2 * ScreenWidth, 2 * ScreenHeight }; }
};

// Whether the picture lies on the screen, equal to it wherever the picture is opaque, with its top
// left corner anywhere in `corners`.
bool Shows(const QImage& screen, const QRect& corners, const QImage& picture)
{
    const auto showsAt = [&](QPoint at) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                if (qAlpha(p) == 255 && screen.pixel(at.x() + x, at.y() + y) != p)
                    return false;
            }
        return true;
    };
    const QRect possible = corners & QRect(QPoint(0, 0), screen.size() - picture.size() + QSize(1, 1));
    for (int y = possible.top(); y <= possible.bottom(); ++y)
        for (int x = possible.left(); x <= possible.right(); ++x)
            if (showsAt({ x, y }))
                return true;
    return false;
}

// Whether what is drawn in the region has detail finer than a window pixel, 2 x 2 device pixels:
// some block of each of the four ways to lay the blocks holds both the colour and another one.
// Drawn at the window's pixels and doubled, every block of the right way is of one colour.
bool FinerThanAWindowPixel(const QImage& screen, const QRect& region, QRgb colour)
{
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            int mixed = 0;
            for (int y = region.top() + dy; y + 1 <= region.bottom(); y += 2)
                for (int x = region.left() + dx; x + 1 <= region.right(); x += 2) {
                    const int n = (screen.pixel(x, y) == colour) + (screen.pixel(x + 1, y) == colour)
                        + (screen.pixel(x, y + 1) == colour) + (screen.pixel(x + 1, y + 1) == colour);
                    mixed += n > 0 && n < 4;
                }
            if (mixed < 10)
                return false;
        }
    return true;
}

// Drawn from the pictures at twice the size, pixel for pixel: sharp, where the ordinary pictures
// doubled would show blocks along every curve; and the chart drawn at the screen's pixels. Across
// the window the places are those of ratio 1 in logical pixels; up and down they are looked for,
// as the window manager may still be giving the window its height when it is first measured.
TEST_F(RealProgramAtTwiceThePixelRatio, DrawsThePicturesAndTheChartSharp)
{
    QProcessEnvironment twice;
    twice.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    StartGame({ QStringLiteral("2") }, twice);
    QRect area;
    QImage screen;
    const int yellowOfZero = WaitUntilMaximised(area, 2);
    ASSERT_FALSE(HasFailure());
    const auto column = [&](int left) { return QRect(area.left() + 2 * left, area.top(), 1, area.height()); };

    // The window manager may still be giving the window its size: it is measured anew each time.
    const QImage note = QImage(QStringLiteral(":/note100@2x.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(note.size(), QSize(320, 160));
    EXPECT_TRUE(waitUntil(Patience, [&] {
        screen = Screenshot();
        area = InnerArea(screen);
        return Shows(screen, column(area.width() / 2 - 190), note);
    })) << "the 100 Kč note should be its sharp picture";

    const int H = area.height() / 2;
    const QRect stake = StakeDisplay(area, 2);
    xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
    Key(QStringLiteral("alt+r"));
    ASSERT_TRUE(waitUntil(Patience, [&] {
        screen = Screenshot();
        return coveredShare(screen, QRect(area.left() + 16, area.top() + H + 80, 240, 200)) > 0.9;
    })) << "the player's first card should lie under his points";
    const QImage grid = QImage(QStringLiteral(":/cards@2x.png")).convertToFormat(QImage::Format_ARGB32);
    bool sharp = false;
    for (int n = 0; n < 32 && !sharp; ++n)
        sharp = Shows(screen, column(8), grid.copy(240 * (n % 8), 400 * (n / 8), 240, 400));
    if (!sharp)
        screen.save(QStringLiteral("/tmp/ixa-xvfb-ratio2-failed.png"));
    EXPECT_TRUE(sharp) << "the card should be a cell of the sharp grid";

    // 200 Kč and a stake of 100: the purse's line runs up or down across the chart.
    for (const char* key : { "1", "Delete", "alt+d" })
        Key(QString::fromLatin1(key));
    ASSERT_TRUE(WaitUntilSettled(stake, yellowOfZero, screen)) << "the game should be settled";
    ASSERT_TRUE(Key(QStringLiteral("F1"), QStringLiteral("O aplikaci"))) << "F1 should open the information window";
    ASSERT_TRUE(Key(QStringLiteral("alt+s"), QStringLiteral("Změny obsahu Vaší peněženky"))) << "Alt+S: the chart";
    // The chart lies in the middle of the screen, away from the table's green figures.
    const QRect chart(ScreenSize().width() / 2 - 400, ScreenSize().height() / 2 - 120, 800, 240);
    EXPECT_TRUE(waitUntil(Patience, [&] {
        screen = Screenshot();
        return FinerThanAWindowPixel(screen, chart, qRgb(0, 255, 0));
    })) << "the purse's line should be drawn at the screen's pixels";
    if (HasFailure())
        screen.save(QStringLiteral("/tmp/ixa-xvfb-ratio2-failed.png"));

    CloseChartAndInformation();
    CloseAndExpectACleanEnd();
}

// Where the table lies as the player takes the pay-out: on the only screen; on the second of two
// monitors side by side; or inside a Wayland session, where the X server's picture of the screen
// would be black, and whose desktop has no portal here.
struct PayOut {
    const char* name;
    int monitors;
    bool insideWayland;
};

class RealProgramPayingOut : public RealProgram, public ::testing::WithParamInterface<PayOut> {
protected:
    QSize ScreenSize() const override { return { ScreenWidth * GetParam().monitors, ScreenHeight }; }
};

// The player closes the table and takes the pay-out: the desktop of the table's screen comes back
// as it was, or the plain cloth where it cannot be had, with 300 Kč in banknotes lying in the
// middle of it, and nothing else changes, until a key ends the program.
TEST_P(RealProgramPayingOut, ThePayOutLiesOverTheDesktopAsItWasUntilAKeyEndsTheProgram)
{
    if (tool("display").isEmpty() || tool("xrandr").isEmpty())
        GTEST_SKIP() << "display or xrandr is not installed";
    if (GetParam().monitors == 2)
        for (const char* monitor : { "left 1024/270x768/203+0+0 screen", "right 1024/270x768/203+1024+0 none" })
            run(tool("xrandr"), QStringLiteral("--setmonitor %1").arg(QLatin1String(monitor)).split(u' '), x);
    // A desktop to recognise: a gradient with stripes on the root window.
    QImage picture(ScreenSize(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x / 8 % 256, (x / 32 % 2) * 90 + 40, 255 - y / 4));
    const QString file = scratch.filePath(QStringLiteral("desktop.png"));
    ASSERT_TRUE(picture.save(file));
    run(tool("display"), { QStringLiteral("-window"), QStringLiteral("root"), file }, x);
    const QImage desktop = Screenshot();
    ASSERT_EQ(desktop.pixel(600, 500), picture.pixel(600, 500)) << "the desktop picture did not take";
    const QRect table(ScreenSize().width() - ScreenWidth, 0, ScreenWidth, ScreenHeight);
    QImage expected = desktop;
    if (GetParam().insideWayland)
        expected.fill(qRgb(0, 48, 0));

    QProcessEnvironment wayland;
    if (GetParam().insideWayland) {
        wayland.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-ixa-test"));
        wayland.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent"));
    }
    StartGame({ QStringLiteral("3") }, wayland);
    // The player moves the table to the right monitor.
    ASSERT_TRUE(GetParam().monitors == 1 || waitUntil(Patience, [&] {
        xdotool({ QStringLiteral("windowmove"), window, QString::number(table.x() + 76), QStringLiteral("40") });
        return xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window })
            .contains("X=" + QByteArray::number(table.x()));
    }));
    ASSERT_TRUE(AskToClose());
    ASSERT_EQ(GameWindows().size(), 2) << "the table and the pay-out question";
    xdotool({ QStringLiteral("key"), QStringLiteral("Return") });

    // Notes lie only where they may fall: at least 50 pixels inside each edge of the table's screen.
    const QRect middle(table.x() + 50, 50, ScreenWidth - 285 + 185, ScreenHeight - 180 + 80);
    const auto changed = [&](const QImage& screen) {
        int inside = 0, outside = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (screen.pixel(x, y) != (table.contains(x, y) ? expected : desktop).pixel(x, y))
                    ++(middle.contains(x, y) ? inside : outside);
        return std::pair { inside, outside };
    };
    QImage screen;
    const bool paid = waitUntil(Patience, [&] {
        screen = Screenshot();
        const auto [inside, outside] = changed(screen);
        return outside == 0 && inside >= 160 * 80 * 9 / 10;
    });
    const auto [inside, outside] = changed(screen);
    if (!paid)
        screen.save(QStringLiteral("/tmp/ixa-xvfb-payout-failed.png"));
    EXPECT_TRUE(paid) << inside << " pixels changed in the middle, " << outside << " around it";
    EXPECT_LE(inside, 3 * 160 * 80) << "three 100 Kč notes";
    EXPECT_TRUE(ixa->running());

    xdotool({ QStringLiteral("key"), QStringLiteral("space") });
    EXPECT_TRUE(waitUntil(Patience, [&] { return !ixa->running() || ixa->process().waitForFinished(200); }))
        << "a key should end the program";
    ExpectAnEnd(0);
}

INSTANTIATE_TEST_SUITE_P(Screens, RealProgramPayingOut,
    ::testing::Values(PayOut { "OneScreen", 1, false }, PayOut { "TheSecondOfTwoMonitors", 2, false },
        PayOut { "InsideWayland", 1, true }),
    [](const ::testing::TestParamInfo<PayOut>& payOut) { return std::string(payOut.param.name); });

// Below 800 x 600 pixels only the notice shows, under an empty title bar, until Konec ends the run.
class RealProgramOnASmallScreen : public RealProgram {
protected:
    QSize ScreenSize() const override { return { 640, 480 }; }
};

TEST_F(RealProgramOnASmallScreen, ShowsTheNoticeUnderAnEmptyTitleUntilKonec)
{
    ixa = Launch(QStringLiteral(IXA_BINARY), QString(), {}, {});
    ASSERT_FALSE(HasFailure());
    int status = -1;
    EXPECT_EQ(run(tool("xdotool"), { QStringLiteral("getwindowname"), window }, x, &status).trimmed(), QByteArray());
    EXPECT_EQ(status, 0) << "the notice closed before its title was read";
    xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
    Key(QStringLiteral("Return"));
    EXPECT_TRUE(ixa->process().waitForFinished(Patience));
    ExpectAnEnd(0);
}

// ---- Faults the game survives ----

// On an ordinary screen, the smallest the game is made for, and one of the largest.
class RealProgramOnScreen : public RealProgram, public ::testing::WithParamInterface<QSize> {
protected:
    QSize ScreenSize() const override { return GetParam(); }
};

TEST_P(RealProgramOnScreen, OpensAGreenTableWithTheHintAtTheTopAndEndsWhenThePlayerClosesIt)
{
    StartGame();
    // The hint shows for five seconds from the table's first frame. Once the table's green reaches
    // the bottom of the screen, the game is held still while the whole screen is looked at, so that
    // it cannot take the hint away however long the look takes.
    Seen seen;
    QImage screen;
    const pid_t game = static_cast<pid_t>(ixa->process().processId());
    waitUntil(Patience, [&] {
        if (!isTableGreen(Screenshot(QRect(GetParam().width() / 2, GetParam().height() - 20, 1, 1)).pixel(0, 0)))
            return false;
        ::kill(game, SIGSTOP);
        screen = Screenshot();
        seen = look(screen);
        ::kill(game, SIGCONT);
        return seen.greenShare > 0.7 && seen.yellowAtTopCentre > 20;
    });
    ASSERT_EQ(screen.size(), GetParam());
    EXPECT_GT(seen.greenShare, 0.7) << "the table should fill the screen";
    EXPECT_GT(seen.yellowAtTopCentre, 20) << "the yellow hint should show at the top centre";
    if (HasFailure())
        screen.save(QStringLiteral("/tmp/ixa-xvfb-failed.png"));
    CloseAndExpectACleanEnd();
}

INSTANTIATE_TEST_SUITE_P(Screens, RealProgramOnScreen,
    ::testing::Values(QSize(ScreenWidth, ScreenHeight), QSize(800, 600), QSize(7680, 4320)),
    [](const ::testing::TestParamInfo<QSize>& screen) {
        return std::to_string(screen.param.width()) + "x" + std::to_string(screen.param.height());
    });

TEST_F(RealProgram, WithoutAnyFontTheTableStillOpensAndCloses)
{
    const QString noFonts = scratch.filePath(QStringLiteral("fonts.conf"));
    QFile config(noFonts);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    config.close();
    QProcessEnvironment more;
    more.insert(QStringLiteral("FONTCONFIG_FILE"), noFonts);
    StartGame({}, more);
    EXPECT_TRUE(waitUntil(Patience, [&] { return look(Screenshot()).greenShare > 0.7; }));
    CloseAndExpectACleanEnd();
}

// With its display gone the program cannot go on: it says so and ends at once, never spinning.
TEST_F(RealProgram, TheXConnectionLostEndsTheProgramWithAMessage)
{
    StartGame();
    windowManager.reset();
    xvfb->stop();
    EXPECT_TRUE(ixa->process().waitForFinished(Patience)) << "the program outlived its display";
    ExpectAnEnd(1);
    // Said by whichever of the toolkit's two X libraries notices first.
    EXPECT_TRUE(errors().find("X11 connection broke") != std::string::npos
        || errors().find("XIO:  fatal IO error") != std::string::npos)
        << errors();
}

// A signal to end ends the program even when its display server never answers (stopped here, as a
// hung compositor would be), so that its orderly end cannot get through; asked again (by another
// signal, as two of a kind may arrive as one), it does not wait at all. With the server answering,
// it ends cleanly.
TEST_F(RealProgram, EverySignalToEndEndsTheProgramEvenWhenItsDisplayServerHangs)
{
    const auto server = static_cast<pid_t>(xvfb->process().processId());
    for (const auto& [first, second, held] :
        { std::tuple { SIGTERM, 0, true }, { SIGINT, SIGTERM, true }, { SIGHUP, 0, false } }) {
        SCOPED_TRACE(first);
        StartGame();
        ASSERT_FALSE(HasFailure());
        if (held)
            ::kill(server, SIGSTOP);
        for (const int signal : { first, second })
            if (signal)
                ::kill(static_cast<pid_t>(ixa->process().processId()), signal);
        EXPECT_TRUE(ixa->process().waitForFinished(Patience)) << "the program outlived the signal";
        ::kill(server, SIGCONT);
        ExpectAnEnd(0);
    }
}

#ifdef IXA_HAVE_XCB
// Another program destroys one of the game's windows, without asking (as xdotool's windowclose does).
struct Destroyed {
    const char* name;
    const char* keys; // pressed on the table first
    const char* shown; // the window that is then open over the table, if any
    bool table; // the table is destroyed, otherwise that window
};

void PrintTo(const Destroyed& destroyed, std::ostream* out)
{
    *out << destroyed.name;
}

class RealProgramLosingAWindow : public RealProgram, public ::testing::WithParamInterface<Destroyed> { };

// The table, alone or under a modal window, takes the run with it: it ends at once, without the
// pay-out question, which could no longer be shown anywhere. The question destroyed counts as
// answered No: the table plays on and asks again. The X server's complaints about the toolkit
// hiding what is gone already are nobody's business, even with the toolkit's X log switched on; the
// question's are sure to come back while the game plays on, the table's only if it is slow to end.
TEST_P(RealProgramLosingAWindow, LeavesNothingBehindThatCouldHangOrCrash)
{
    QProcessEnvironment logged;
    logged.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.xcb.debug=true"));
    StartGame({ QStringLiteral("50") }, logged);
    xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
    for (const QString& key : QString::fromLatin1(GetParam().keys).split(u' ', Qt::SkipEmptyParts)) {
        // What follows F1 is meant for the information window, what follows Alt+R for the deal.
        ASSERT_TRUE(Key(key, key == QLatin1String("F1") ? QStringLiteral("O aplikaci") : QString()));
        ASSERT_TRUE(key != QLatin1String("alt+r") || WaitForTheDeal());
    }
    QString victim = window;
    const QString shown = QString::fromUtf8(GetParam().shown);
    if (!shown.isEmpty()) {
        // The question is titled as the table is.
        QList<QByteArray> windows;
        ASSERT_TRUE(waitUntil(Patience,
            [&] {
                windows = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                      QStringLiteral("^%1$").arg(shown) })
                              .split('\n');
                windows.removeAll(QByteArray());
                windows.removeAll(window.toLatin1());
                return !windows.isEmpty();
            }))
            << shown.toStdString() << " should be open";
        if (!GetParam().table)
            victim = QString::fromLatin1(windows.first());
    }

    ASSERT_EQ(xcb_connection_has_error(Server()), 0);
    xcb_generic_error_t* error = xcb_request_check(Server(), xcb_destroy_window_checked(Server(), victim.toUInt()));
    EXPECT_EQ(error, nullptr);
    free(error);

    if (GetParam().table) {
        EXPECT_TRUE(ixa->process().waitForFinished(Patience)) << "the program lives on without its table";
        ExpectAnEnd(0);
    } else {
        ASSERT_TRUE(waitUntil(Patience, [&] { return GameWindows().size() == 1; })) << "the question should be gone";
        CloseAndExpectACleanEnd();
    }
    EXPECT_EQ(errors().find("BadWindow"), std::string::npos) << errors();
}

INSTANTIATE_TEST_SUITE_P(Windows, RealProgramLosingAWindow,
    ::testing::Values(Destroyed { "TheTable", "", "", true },
        Destroyed { "TheTableUnderTheInformation", "F1", "O aplikaci", true },
        Destroyed { "TheTableUnderTheChart", "F1 alt+s", "Změny obsahu Vaší peněženky", true },
        Destroyed { "TheQuestion", "alt+r 1 alt+k", "Ixa", false },
        Destroyed { "TheTableUnderTheQuestion", "alt+r 1 alt+k", "Ixa", true }),
    [](const ::testing::TestParamInfo<Destroyed>& destroyed) { return std::string(destroyed.param.name); });
#endif

} // namespace
