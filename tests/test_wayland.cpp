// The real program on a Wayland compositor without a screen: it comes up as a native Wayland
// window, and ends cleanly when the session asks it to; its pay-out lies over the desktop that the
// desktop's portal pictures for it.
#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
std::string contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
} // namespace

TEST(Wayland, TheGameComesUpNativelyAndEndsCleanlyWhenAskedTo)
{
    if (tool("weston").isEmpty())
        GTEST_SKIP() << "weston is not installed";
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (!platforms.exists(QStringLiteral("libqwayland-generic.so")))
        GTEST_SKIP() << "Qt's Wayland platform (qt6-wayland) is not installed";

    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
    session.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    session.remove(QStringLiteral("DISPLAY"));
    const QString socket = QStringLiteral("ixa-test");
    const QString compositorLog = runtime.filePath(QStringLiteral("weston.log"));
    Child weston(tool("weston"),
        { QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + socket,
            QStringLiteral("--idle-time=0"), QStringLiteral("--width=1280"), QStringLiteral("--height=1024") },
        session, compositorLog);
    if (!waitUntil(Patience, [&] { return QFileInfo::exists(runtime.filePath(socket)) || !weston.running(); })
        || !weston.running())
        GTEST_SKIP() << "the compositor could not start:\n" << contents(compositorLog);

    QProcessEnvironment game = session;
    game.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    game.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // The client's side of the protocol, to see its window come up.
    game.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    // What the Wayland client library keeps to the end is known only by its whole stack.
    game.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1:fast_unwind_on_malloc=0"));
    game.insert(QStringLiteral("LSAN_OPTIONS"),
        QStringLiteral("suppressions=")
            + QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("lsan.supp")));
    const QString gameLog = runtime.filePath(QStringLiteral("ixa.log"));
    Child ixa(QStringLiteral(IXA_BINARY), { QStringLiteral("50") }, game, gameLog);

    // A top-level surface titled "Ixa" with a picture of the table attached.
    const bool shown = waitUntil(Patience, [&] {
        const std::string log = contents(gameLog);
        const auto titled = log.find(".set_title(\"Ixa\")");
        return (titled != std::string::npos && log.find(".attach(wl_buffer@", titled) != std::string::npos)
            || !ixa.running();
    });
    ASSERT_TRUE(shown && ixa.running()) << "no window of the game\n" << contents(gameLog);
    EXPECT_EQ(contents(gameLog).find("Could not"), std::string::npos) << contents(gameLog);

    ixa.process().terminate();
    ASSERT_TRUE(ixa.process().waitForFinished(Patience)) << "the game did not end when asked to";
    EXPECT_EQ(ixa.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ixa.process().exitCode(), 0);
    const std::string log = contents(gameLog);
    EXPECT_EQ(log.find("Sanitizer"), std::string::npos) << log;
    EXPECT_EQ(log.find("runtime error"), std::string::npos) << log;
}

// sway with the desktop's portal on a session bus of its own, played to the pay-out: the notes lie
// over the desktop as it was when the table went, pixel for pixel also at twice the pixel ratio and
// on the second of two outputs where the table was, and nothing of the table is in it. On a bus
// without a portal the notes lie on the plain cloth. A stand-in portal answers oddly: the game
// reads and removes only the picture file of its first answer, never blocks on a FIFO, and takes
// back a request that is not answered in time, or when the session ends it.
TEST(Wayland, ThePayOutLiesOverTheDesktopThePortalPicturedOrOverTheClothWithoutOne)
{
    using namespace Qt::StringLiterals;
    for (const char* needed : { "sway", "swaymsg", "grim", "wtype", "pipewire", "dbus-daemon" })
        if (tool(needed).isEmpty())
            GTEST_SKIP() << needed << " is not installed";
    const QDir portals(u"/usr/share/xdg-desktop-portal/portals"_s);

    // sway will not run as root: there it runs as nobody, in a folder of its own.
    QTemporaryDir runtime, swayRuntime;
    const bool root = geteuid() == 0;
    if (root)
        run(tool("chown"), { u"nobody:nogroup"_s, swayRuntime.path() }, {});
    const auto save = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
    for (const QString& name : { u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"DBUS_SESSION_BUS_ADDRESS"_s })
        session.remove(name);
    QProcessEnvironment compositor = session;
    for (const QString& setting :
        { u"WLR_BACKENDS=headless"_s, u"WLR_LIBINPUT_NO_DEVICES=1"_s, u"WLR_RENDERER=pixman"_s })
        compositor.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    compositor.insert(u"XDG_RUNTIME_DIR"_s, swayRuntime.path());
    Child sway(tool(root ? "setpriv" : "sway"),
        (root ? u"--reuid=nobody --regid=nogroup --clear-groups "_s + tool("sway") + u" -c /dev/null"_s
              : u"-c /dev/null"_s)
            .split(u' '),
        compositor);
    const auto socket = [&](const QString& name) {
        const QStringList found = QDir(swayRuntime.path()).entryList({ name }, QDir::System);
        return found.isEmpty() ? QString() : swayRuntime.filePath(found.first());
    };
    ASSERT_TRUE(
        waitUntil(Patience, [&] { return !socket(u"wayland-?"_s).isEmpty() && !socket(u"sway-ipc.*"_s).isEmpty(); }));

    session.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    session.insert(u"WAYLAND_DISPLAY"_s, socket(u"wayland-?"_s));
    session.insert(u"XDG_CURRENT_DESKTOP"_s, u"sway"_s);
    // The portal would start every backend installed; these are the two that sway needs. The wlr
    // one needs PipeWire.
    session.insert(u"XDG_DESKTOP_PORTAL_DIR"_s, runtime.path());
    for (const QString& backend : { u"wlr.portal"_s, u"gtk.portal"_s })
        QFile::copy(portals.filePath(backend), runtime.filePath(backend));
    Child pipewire(tool("pipewire"), {}, session);
    ASSERT_TRUE(waitUntil(Patience, [&] { return QFileInfo::exists(runtime.filePath(u"pipewire-0"_s)); }));
    const auto screenshot = [&](const QString& output) {
        run(tool("grim"), { u"-o"_s, output, runtime.filePath(u"screen.png"_s) }, session);
        return QImage(runtime.filePath(u"screen.png"_s)).convertToFormat(QImage::Format_RGB32);
    };
    const auto swaymsg = [&](const QString& command) {
        return run(tool("swaymsg"), (u"-s "_s + socket(u"sway-ipc.*"_s) + u' ' + command).split(u' '), session);
    };
    const auto windows = [&] { return swaymsg(u"-t get_tree"_s).count("\"name\": \"Ixa\""); };
    // The keys of a virtual keyboard made a moment ago go unseen until its keymap has reached the
    // game; under load they may still do, and are pressed again until they act.
    const auto press = [&](const QString& keys, const std::function<bool()>& acted) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            run(tool("wtype"), (u"-s 300 "_s + keys).split(u' '), session);
            if (waitUntil(Patience / 4, acted))
                return true;
        }
        return false;
    };
    // The output's desktop is a pattern in which a picture moved by a device pixel would not match.
    const auto patternAt = [](int scale) {
        QImage pattern(1024 * scale, 768 * scale, QImage::Format_RGB32);
        for (int y = 0; y < pattern.height(); ++y)
            for (int x = 0; x < pattern.width(); ++x)
                pattern.setPixel(x, y, qRgb(x & 255, y & 255, 128 | ((x ^ y) & 127)));
        return pattern;
    };
    const auto showPattern = [&](const QString& output, int scale, const QString& more) {
        const QImage pattern = patternAt(scale);
        const QString desktop = swayRuntime.filePath(u"desktop%1.png"_s.arg(scale));
        EXPECT_TRUE(pattern.save(desktop));
        swaymsg(u"output %1 resolution %2x%3 scale %4 bg %5 fill %6"_s.arg(output)
                    .arg(1024 * scale)
                    .arg(768 * scale)
                    .arg(scale)
                    .arg(desktop, more));
        EXPECT_TRUE(waitUntil(Patience, [&] { return screenshot(output) == pattern; }))
            << "the desktop should be the pattern";
        return pattern;
    };

    // The picture is asked of sway's own portal, on a bus without a portal, or of a stand-in that
    // answers with the files named in the folder `home`, one answer each, or never. The notes lie
    // over the desktop where a picture file was taken (and removed), otherwise on the cloth.
    enum class Asked { Sway, NoPortal, StandIn };
    struct Case {
        const char* name;
        Asked asked;
        QStringList named = {}, kept = {}, removed = {};
        int scale = 1;
        bool secondOutput = false; // the table lies on a second output, right of the first
        bool signal = false; // the session ends the game while it waits for the answer
    };
    const std::vector<Case> cases = { { "sway", Asked::Sway }, { "at scale 2", Asked::Sway, {}, {}, {}, 2 },
        { "no portal", Asked::NoPortal }, { "a picture", Asked::StandIn, { u"one.png"_s }, {}, { u"one.png"_s } },
        { "two answers", Asked::StandIn, { u"two.png"_s, u"three.png"_s }, { u"three.png"_s }, { u"two.png"_s } },
        { "not a picture", Asked::StandIn, { u"notes.txt"_s }, { u"notes.txt"_s } },
        { "a link", Asked::StandIn, { u"link.png"_s }, { u"link.png"_s, u"shot.png"_s } },
        { "a FIFO", Asked::StandIn, { u"fifo"_s }, { u"fifo"_s } },
        { "a device", Asked::StandIn, { u"device"_s }, { u"device"_s } }, { "no answer", Asked::StandIn },
        { "no answer, then the session ends", Asked::StandIn, {}, {}, {}, 1, false, true },
        // Outputs stay once made: this one comes last.
        { "a second output at scale 2", Asked::Sway, {}, {}, {}, 2, true } };
    QTemporaryDir home;
    const auto name = [&](const QString& file) { return home.filePath(file).toLocal8Bit(); };
    for (const QString& picture : { u"shot.png"_s, u"one.png"_s, u"two.png"_s, u"three.png"_s })
        ASSERT_TRUE(patternAt(1).save(home.filePath(picture)));
    save(home.filePath(u"notes.txt"_s), "Not a picture, and the player's own.");
    QFile::link(home.filePath(u"shot.png"_s), home.filePath(u"link.png"_s));
    ASSERT_EQ(mkfifo(name(u"fifo"_s), 0600), 0);
    // The null device's numbers, in a folder of the test's own: should the game remove it, nothing
    // of the machine's goes.
    ASSERT_TRUE(!root || mknod(name(u"device"_s), S_IFCHR | 0600, makedev(1, 3)) == 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.named == QStringList { u"device"_s } && !root)
            continue;
        const bool picture = c.asked == Asked::Sway || !c.removed.isEmpty();
        const QString output = c.secondOutput ? u"HEADLESS-2"_s : u"HEADLESS-1"_s;
        if (c.secondOutput) {
            swaymsg(u"create_output"_s);
            showPattern(u"HEADLESS-1"_s, 1, {});
        }
        const QImage pattern = showPattern(output, c.scale, c.secondOutput ? u"position 1024 0"_s : QString());
        swaymsg(u"focus output "_s + output);
        const QString bus = runtime.filePath(u"bus.conf"_s);
        ASSERT_TRUE(save(bus,
            QByteArray(
                "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><policy context='default'>"
                "<allow send_destination='*' eavesdrop='true'/><allow eavesdrop='true'/><allow own='*'/></policy>")
                + (c.asked == Asked::Sway ? "<servicedir>/usr/share/dbus-1/services</servicedir>" : "")
                + "</busconfig>"));
        Child daemon(
            tool("dbus-daemon"), { u"--config-file="_s + bus, u"--nofork"_s, u"--print-address=1"_s }, session);
        QProcessEnvironment game = session;
        game.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, QString::fromLatin1(daemon.FirstLine(Patience)));
        game.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
        game.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=1:fast_unwind_on_malloc=0"_s);
        game.insert(u"LSAN_OPTIONS"_s,
            u"print_suppressions=0:suppressions="_s
                + QFileInfo(QStringLiteral(__FILE__)).dir().filePath(u"lsan.supp"_s));
        // Started before the portal, which may stall starting it.
        int started = 0;
        if (c.asked == Asked::Sway)
            run(tool("dbus-send"),
                (u"--bus="_s + game.value(u"DBUS_SESSION_BUS_ADDRESS"_s)
                    + u" --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.StartServiceByName "
                      "string:org.freedesktop.impl.portal.desktop.wlr uint32:0"_s)
                    .split(u' '),
                game, &started);
        ASSERT_EQ(started, 0);
        std::unique_ptr<Child> standIn;
        QByteArray said;
        const auto hears = [&](const char* word) {
            standIn->process().waitForReadyRead(100);
            said += standIn->process().readAllStandardOutput();
            return said.contains(word);
        };
        if (c.asked == Asked::StandIn) {
            QStringList uris;
            for (const QString& file : c.named)
                uris << QUrl::fromLocalFile(home.filePath(file)).toString();
            standIn = std::make_unique<Child>(u"/usr/bin/python3"_s,
                QStringList { QFileInfo(QStringLiteral(__FILE__)).dir().filePath(u"stand_in_portal.py"_s) } + uris,
                game);
            ASSERT_EQ(standIn->FirstLine(Patience), "ready");
            // A portal that never answers is not waited for a minute here.
            if (!c.signal)
                game.insert(u"IXA_PORTAL_PATIENCE"_s, u"3000"_s);
        }

        Child ixa(QStringLiteral(IXA_BINARY), { u"50"_s }, game, runtime.filePath(u"ixa.log"_s));
        ASSERT_TRUE(waitUntil(Patience, [&] { return windows() == 1; })) << "no window of the game";
        ASSERT_TRUE(press(u"-M alt -s 100 k -m alt"_s, [&] { return windows() == 2; })) << "no question";
        ASSERT_TRUE(press(u"-k Return"_s, [&] { return windows() < 2; })) << "the question stayed";
        if (c.signal) {
            // The desktop's question goes with the game.
            ASSERT_TRUE(waitUntil(Patience, [&] { return hears("asked"); }));
            ixa.process().terminate();
            EXPECT_TRUE(ixa.process().waitForFinished(Patience));
            EXPECT_EQ(ixa.process().exitCode(), 0);
            EXPECT_TRUE(waitUntil(Patience, [&] { return hears("closed"); })) << said.toStdString();
            continue;
        }
        QImage screen;
        qint64 asBefore = 0, cloth = 0, table = 0;
        const qint64 all = static_cast<qint64>(pattern.width()) * pattern.height();
        const bool paidOut = waitUntil(Patience, [&] {
            screen = screenshot(output);
            asBefore = cloth = table = 0;
            for (int y = 0; y < screen.height() && screen.size() == pattern.size(); ++y)
                for (int x = 0; x < screen.width(); ++x) {
                    asBefore += screen.pixel(x, y) == pattern.pixel(x, y);
                    cloth += screen.pixel(x, y) == qRgb(0, 48, 0);
                    table += screen.pixel(x, y) == qRgb(0, 128, 0);
                }
            return picture ? asBefore > all / 2 && asBefore < all * 49 / 50 : cloth > all / 2;
        });
        if (!paidOut || table > 0)
            screen.save(u"/tmp/ixa-wayland-payout-failed.png"_s);
        EXPECT_TRUE(paidOut) << asBefore << " pixels as before, " << cloth << " of the cloth";
        EXPECT_EQ(table, 0);
        EXPECT_TRUE(press(u"-k space"_s, [&] { return ixa.process().waitForFinished(500); }));
        EXPECT_EQ(ixa.process().exitCode(), 0);
        // Qt's Wayland platform speaks of the compositor's ways; the game says nothing.
        const QString log = QString::fromStdString(contents(runtime.filePath(u"ixa.log"_s)))
                                .remove(QRegularExpression(u"qt\\.qpa\\.wayland: [^\n]*\n"_s));
        EXPECT_EQ(log, QString()) << "not a word on stderr";
        for (const QString& file : c.kept)
            EXPECT_TRUE(QFileInfo(home.filePath(file)).isSymLink() || QFileInfo::exists(home.filePath(file)))
                << file.toStdString();
        for (const QString& file : c.removed)
            EXPECT_FALSE(QFileInfo::exists(home.filePath(file))) << file.toStdString();
        // A request that was never answered is taken back.
        EXPECT_EQ(c.asked == Asked::StandIn && c.named.isEmpty(), standIn && hears("closed")) << said.toStdString();
    }
}
