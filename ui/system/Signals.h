// The signals that end the program: the session ending, Ctrl+C, kill.
#pragma once

#include <functional>

class QObject;

namespace Signals {
// From now on a termination signal ends the run at once: nobody is there to answer the pay-out
// question. `orderlyEnd` is called from the event loop of `context`'s thread, and the program is
// gone within seconds even where its windows cannot be closed, and at once on a second signal.
// However the run ends, a teardown stuck on the display server ends within seconds too. Only
// the first call in a process counts.
void WatchTermination(QObject& context, std::function<void()> orderlyEnd);
} // namespace Signals
