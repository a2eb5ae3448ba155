// Keys a screen reader keeps for itself never reach the game.
#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

// A screen reader hears every key before the program does, through the accessibility registry,
// and keeps those that are its own commands (Orca's keypad). The toolkit's bridge asks the
// registry too, but hands a key on when no answer comes within a tenth of a second, which on a
// busy desktop lets the screen reader's command press the focused button as well. Here each key
// waits for its answer, however long the screen reader takes to decide, and the keys go on in the
// order they were typed. A registry that does not answer at all within a bound is taken for
// broken: its key goes on, and the keys after it are left to the toolkit, so that the keyboard
// never freezes.
class ScreenReaderKeys : public QObject {
public:
    enum class Answer { Kept, Passed, Failed };
    using Reply = std::function<void(Answer)>;
    // Asks the registry about a key; the reply comes later, exactly once.
    using Ask = std::function<void(const QKeyEvent&, Reply)>;

    // Asking the accessibility registry that the toolkit's bridge is connected to.
    ScreenReaderKeys();
    explicit ScreenReaderKeys(Ask ask);
    ~ScreenReaderKeys() override;

    // Whether keys are asked about: while a registry answers, and until the keys held while it
    // did not are on their way, which the keys after them follow.
    bool Asking() const { return ask_ && (!broken_ || !waiting_.empty()); }
    // Takes a key press or release the window system sent, to hand it to `receiver` once the
    // screen reader lets it go, or, not to be asked about, once the keys before it are gone. A key
    // handed on is no longer the window system's own, so nothing asks about it twice.
    void Hold(QObject* receiver, const QKeyEvent& key, bool ask = true);
    // Whether a key is still on its way.
    bool Holding() const { return !waiting_.empty(); }

    // How long the registry may take. It waits for a screen reader that runs its whole command
    // before it answers (Orca's click takes seconds on a busy desktop), up to three seconds for
    // each screen reader listening; the bound leaves room for more than one.
    static constexpr int AnswerWithinMs = 10000;

private:
    struct Waiting {
        QPointer<QObject> receiver;
        std::unique_ptr<QKeyEvent> key;
        bool answered = false;
        bool kept = false;
    };
    void answered(std::uint64_t number, Answer answer);
    void deliverSoon();

    Ask ask_;
    bool broken_ = false;
    bool delivering_ = false;
    std::deque<Waiting> waiting_;
    // The number of the first key still waiting, counted since the start.
    std::uint64_t first_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
