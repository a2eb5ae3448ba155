#include "ui/system/Signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The signal handler reaches the event loop only through this pipe, whose other end it reads.
int terminationPipe[2] = { -1, -1 };
// Set by whichever signal comes first, on whichever thread it lands.
std::atomic_flag terminationAsked;

// The orderly end needs the main thread back in its event loop, and the toolkit's teardown after
// it waits on the display server (a stopped or hung compositor, a round trip never answered).
// Nothing is kept between runs, so ending without either loses nothing.
constexpr unsigned OrderlyEndSeconds = 5;

void endNow(int)
{
    ::_exit(0);
}

void onTerminationSignal(int)
{
    // A second signal: whoever sent it will not wait for the windows.
    if (terminationAsked.test_and_set())
        ::_exit(0);
    const int savedErrno = errno;
    ::alarm(OrderlyEndSeconds);
    const char signalled = 1;
    [[maybe_unused]] const auto written = ::write(terminationPipe[1], &signalled, 1);
    errno = savedErrno;
}
} // namespace

namespace Signals {
void WatchTermination(QObject& context, std::function<void()> orderlyEnd)
{
    if (terminationPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, &context);
    QObject::connect(notifier, &QSocketNotifier::activated, &context, [orderlyEnd = std::move(orderlyEnd)] {
        char signalled = 0;
        [[maybe_unused]] const auto read = ::read(terminationPipe[0], &signalled, 1);
        orderlyEnd();
    });
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = endNow;
    sigaction(SIGALRM, &action, nullptr);
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    for (const int signal : { SIGTERM, SIGINT, SIGHUP })
        sigaction(signal, &action, nullptr);
    // However the run ends, a teardown stuck on the display server must not leave an invisible
    // program behind. Once the program itself exits, nothing of the toolkit is left to wait on.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &context, [] {
        if (!terminationAsked.test())
            ::alarm(OrderlyEndSeconds);
    });
    std::atexit([] { ::alarm(0); });
}
} // namespace Signals
