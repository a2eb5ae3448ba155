// Keys a screen reader keeps for itself never reach the game, and what the player presses acts in
// the order it was pressed.
#pragma once

#include <QInputEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class QKeyEvent;

// A screen reader hears every key before the program does, through the accessibility registry,
// and keeps those that are its own commands (Orca's keypad). The toolkit's bridge asks the
// registry too, but hands a key on when no answer comes within a tenth of a second, which on a
// busy desktop lets the screen reader's command press the focused button as well. Here each key
// waits for its answer, however long the screen reader takes to decide, and what the player
// presses goes on in the order it was pressed: a click made while keys wait, waits behind them.
//
// A registry that stalls (it waits on each of its listeners in turn) holds the keys only so long:
// once no answer has come for a bound, the keys held go on, and the keys after them do not wait
// for an answer while the registry gives none. Each key is asked about all the same, and the
// first answer that comes, about any key, has the keys wait for their answers again.
class ScreenReaderKeys : public QObject {
public:
    enum class Answer { Kept, Passed, Failed };
    using Reply = std::function<void(Answer)>;
    // Asks the registry about a key; the reply comes later, exactly once.
    using Ask = std::function<void(const QKeyEvent&, Reply)>;

    // Asking the accessibility registry that the toolkit's bridge is connected to.
    ScreenReaderKeys();

    // Whether a screen reader may listen: the toolkit's accessibility is on. Tests switch it on.
    std::function<bool()> listening;
    // The registry, which tests answer in its place.
    Ask ask;
    // Milliseconds on a clock that only runs on, which tests move by hand.
    std::function<qint64()> now;

    // Takes an event as the window system sent it, while a screen reader may listen, to hand on
    // once nothing pressed before it is on its way: a key once the screen reader lets it go (an
    // access key is not asked about, it only waits), a click made while keys are held. The key's
    // shortcut check is answered here, for the toolkit would press a button on its access key at
    // once, ahead of the keys typed before it. Returns whether it took the event. What it hands on
    // is no longer the window system's own, and nothing takes it twice.
    bool Take(QObject* receiver, QEvent& event);
    // Whether something pressed is still on its way.
    bool Holding() const { return !waiting_.empty(); }
    // Whether keys wait for the registry's answer: not after it failed to answer, until it
    // answers again.
    bool Answering() const { return !stalled_; }

    // Ends the wait of the keys held once the registry has given no answer for the bound; the
    // bound's timer calls it, and a test after moving the clock.
    void Tick();

    // How long the registry may go without an answer. It waits for a screen reader that runs its
    // whole command before it answers (Orca's click takes seconds on a busy desktop), up to three
    // seconds for each screen reader listening; the bound leaves room for more than one.
    static constexpr int AnswerWithinMs = 10000;

private:
    struct Waiting {
        QPointer<QObject> receiver;
        std::unique_ptr<QInputEvent> event;
        bool answered = false;
        bool kept = false;
    };
    void hold(QObject* receiver, const QInputEvent& event, bool ask);
    void answered(std::uint64_t number, Answer answer);
    void waitFromNow();
    void deliverSoon();

    bool stalled_ = false;
    bool delivering_ = false;
    std::deque<Waiting> waiting_;
    // The number of the first event still waiting, counted since the start.
    std::uint64_t first_ = 0;
    // Since when no answer has come while a key waits for one.
    qint64 silentSince_ = 0;
    QTimer bound_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
