// The loaded windows: unloading the last one ends the program.
#pragma once

#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

class Forms {
public:
    // What the list needs of a window: the window itself, and a way to unload it unasked.
    class Member {
    public:
        virtual QWidget& Widget() = 0;
        virtual void Discard() = 0;

    protected:
        ~Member() = default;
    };

    Forms();

    void Loaded(Member* form);
    void Unloaded(Member* form);
    std::size_t Count() const { return loaded_.size(); }
    bool IsLoaded(const Member* form) const;

    // Discards every window shown modally: nothing opened over a window outlives it.
    void DiscardModal();

    // What "the program ends" means: quitting the event loop, or, in tests, whatever they need to see.
    std::function<void()> OnLastUnloaded;

    // A window shown modally runs an event loop of its own inside a handler of the window under
    // it. While one is open, a window that goes is kept in memory until every such loop is over:
    // the handler that opened the loop may belong to it and go on running once the loop returns.
    class Modal {
    public:
        explicit Modal(Forms* forms);
        ~Modal();
        Modal(const Modal&) = delete;
        Modal& operator=(const Modal&) = delete;

    private:
        Forms* forms_;
    };
    // Deletes an unloaded window as soon as nothing of it can be running any more.
    void Release(Member* form);
    ~Forms();

private:
    std::vector<Member*> loaded_;
    int modal_ = 0;
    std::vector<QPointer<QWidget>> released_;
};
