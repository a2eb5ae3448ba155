// The real program on a Wayland compositor without a screen: it comes up as a native Wayland
// window, and ends cleanly when the session asks it to; its pay-out lies over the desktop that the
// desktop's portal pictures for it.
#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QTemporaryDir>

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
// over the desktop as it was when the table went, pixel for pixel also at twice the pixel ratio,
// and nothing of the table is in it. On a bus without a portal the notes lie on the plain cloth.
TEST(Wayland, ThePayOutLiesOverTheDesktopThePortalPicturedOrOverTheClothWithoutOne)
{
    for (const char* needed : { "sway", "swaymsg", "grim", "wtype", "pipewire", "dbus-daemon" })
        if (tool(needed).isEmpty())
            GTEST_SKIP() << needed << " is not installed";
    const QDir portals(QStringLiteral("/usr/share/xdg-desktop-portal/portals"));
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (!portals.exists(QStringLiteral("wlr.portal")) || !portals.exists(QStringLiteral("gtk.portal"))
        || !platforms.exists(QStringLiteral("libqwayland-generic.so")))
        GTEST_SKIP() << "xdg-desktop-portal-wlr and -gtk, or qt6-wayland, are not installed";

    // sway refuses to run as root: there it runs as nobody, in a folder of its own.
    QTemporaryDir runtime, swayRuntime;
    if (geteuid() == 0)
        run(tool("chown"), { QStringLiteral("nobody:nogroup"), swayRuntime.path() }, {});
    QImage pattern(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgb(x & 255, y & 255, 128 | ((x ^ y) & 127)));
    const auto save = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    const QString config = swayRuntime.filePath(QStringLiteral("config"));
    ASSERT_TRUE(pattern.save(swayRuntime.filePath(QStringLiteral("desktop.png")))
        && save(config,
            "xwayland disable\noutput HEADLESS-1 bg " + swayRuntime.filePath(QStringLiteral("desktop.png")).toUtf8()
                + " fill\n"));
    QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS" })
        session.remove(QString::fromLatin1(name));
    QProcessEnvironment compositor = session;
    compositor.insert(QStringLiteral("XDG_RUNTIME_DIR"), swayRuntime.path());
    for (const char* name : { "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman" })
        compositor.insert(QString::fromLatin1(name).section(u'=', 0, 0), QString::fromLatin1(name).section(u'=', 1));
    const QStringList swayCommand = { tool("sway"), QStringLiteral("-c"), config };
    Child sway(geteuid() == 0 ? tool("setpriv") : tool("sway"),
        geteuid() == 0 ? QStringList { QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                             QStringLiteral("--clear-groups") }
                + swayCommand
                       : swayCommand.mid(1),
        compositor);
    const auto socket = [&](const char* name) {
        const QStringList found = QDir(swayRuntime.path()).entryList({ QString::fromLatin1(name) }, QDir::System);
        return found.isEmpty() ? QString() : swayRuntime.filePath(found.first());
    };
    ASSERT_TRUE(waitUntil(Patience, [&] { return !socket("wayland-?").isEmpty() && !socket("sway-ipc.*").isEmpty(); }));

    session.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    session.insert(QStringLiteral("WAYLAND_DISPLAY"), socket("wayland-?"));
    session.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
    // The portal would start every backend installed; these are the two that sway needs.
    session.insert(QStringLiteral("XDG_DESKTOP_PORTAL_DIR"), runtime.path());
    for (const char* backend : { "wlr.portal", "gtk.portal" })
        QFile::copy(portals.filePath(QString::fromLatin1(backend)), runtime.filePath(QString::fromLatin1(backend)));
    const auto screenshot = [&] {
        run(tool("grim"), { runtime.filePath(QStringLiteral("screen.png")) }, session);
        return QImage(runtime.filePath(QStringLiteral("screen.png"))).convertToFormat(QImage::Format_RGB32);
    };
    const auto windows = [&] {
        return run(tool("swaymsg"),
            { QStringLiteral("-s"), socket("sway-ipc.*"), QStringLiteral("-t"), QStringLiteral("get_tree") }, session)
            .count("\"name\": \"Ixa\"");
    };
    // The keys of a virtual keyboard made a moment ago go unseen until its keymap has reached the
    // game; under load they may still do, and are pressed again until they act.
    const auto press = [&](const QString& keys, const std::function<bool()>& acted) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            run(tool("wtype"), keys.split(u' '), session);
            if (waitUntil(Patience / 4, acted))
                return true;
        }
        return false;
    };

    for (const auto& [portal, scale] : { std::pair { true, 1 }, { true, 2 }, { false, 1 } }) {
        SCOPED_TRACE(testing::Message() << (portal ? "portal" : "no portal") << ", scale " << scale);
        run(tool("swaymsg"),
            { QStringLiteral("-s"), socket("sway-ipc.*"),
                QStringLiteral("output HEADLESS-1 resolution %1x%2 scale %3")
                    .arg(1024 * scale)
                    .arg(768 * scale)
                    .arg(scale) },
            session);
        const QString bus = runtime.filePath(QStringLiteral("bus.conf"));
        ASSERT_TRUE(save(bus,
            QByteArray(
                "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                "<policy context='default'><allow send_destination='*' eavesdrop='true'/><allow eavesdrop='true'/>"
                "<allow own='*'/></policy>")
                + (portal ? "<servicedir>/usr/share/dbus-1/services</servicedir>" : "") + "</busconfig>"));
        Child daemon(tool("dbus-daemon"),
            { QStringLiteral("--config-file=") + bus, QStringLiteral("--nofork"), QStringLiteral("--print-address=1") },
            session);
        QProcessEnvironment game = session;
        game.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(daemon.FirstLine(Patience)));
        game.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        game.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1:fast_unwind_on_malloc=0"));
        game.insert(QStringLiteral("LSAN_OPTIONS"),
            QStringLiteral("print_suppressions=0:suppressions=")
                + QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("lsan.supp")));
        // portal-wlr needs PipeWire, and is started before the portal, which may stall starting it.
        std::unique_ptr<Child> pipewire;
        if (portal) {
            pipewire = std::make_unique<Child>(tool("pipewire"), QStringList {}, game);
            ASSERT_TRUE(
                waitUntil(Patience, [&] { return QFileInfo::exists(runtime.filePath(QStringLiteral("pipewire-0"))); }));
            int started = -1;
            run(tool("dbus-send"),
                { QStringLiteral("--bus=") + game.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")),
                    QStringLiteral("--print-reply"), QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/"),
                    QStringLiteral("org.freedesktop.DBus.StartServiceByName"),
                    QStringLiteral("string:org.freedesktop.impl.portal.desktop.wlr"), QStringLiteral("uint32:0") },
                game, &started);
            ASSERT_EQ(started, 0);
        }
        const QImage desktop = screenshot();
        Child ixa(
            QStringLiteral(IXA_BINARY), { QStringLiteral("50") }, game, runtime.filePath(QStringLiteral("ixa.log")));
        ASSERT_TRUE(waitUntil(Patience, [&] { return windows() == 1; })) << "no window of the game";
        ASSERT_TRUE(press(QStringLiteral("-s 300 -M alt -s 100 k -m alt"), [&] { return windows() == 2; }))
            << "no question";
        ASSERT_TRUE(press(QStringLiteral("-s 300 -k Return"), [&] { return windows() == 0; })) << "the question stayed";

        QImage screen;
        qint64 asBefore = 0, cloth = 0, table = 0;
        const qint64 all = static_cast<qint64>(desktop.width()) * desktop.height();
        const bool paidOut = waitUntil(Patience, [&] {
            screen = screenshot();
            asBefore = cloth = table = 0;
            for (int y = 0; y < screen.height() && screen.size() == desktop.size(); ++y)
                for (int x = 0; x < screen.width(); ++x) {
                    asBefore += screen.pixel(x, y) == desktop.pixel(x, y);
                    cloth += screen.pixel(x, y) == qRgb(0, 48, 0);
                    table += screen.pixel(x, y) == qRgb(0, 128, 0);
                }
            return portal ? asBefore > all / 2 && asBefore < all * 49 / 50 : cloth > all / 2;
        });
        if (!paidOut || table > 0)
            screen.save(QStringLiteral("/tmp/ixa-wayland-payout-failed.png"));
        EXPECT_TRUE(paidOut) << asBefore << " pixels as before, " << cloth << " of the cloth";
        EXPECT_EQ(table, 0);
        EXPECT_TRUE(press(QStringLiteral("-s 300 -k space"), [&] { return ixa.process().waitForFinished(500); }));
        EXPECT_EQ(ixa.process().exitCode(), 0);
        EXPECT_EQ(contents(runtime.filePath(QStringLiteral("ixa.log"))), "") << "not a word on stderr";
    }
}
