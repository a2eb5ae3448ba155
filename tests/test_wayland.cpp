// The real program on a Wayland compositor without a screen: it comes up as a native Wayland
// window, and ends cleanly when the session asks it to.
#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>

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
