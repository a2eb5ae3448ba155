// A window built from its design, with the events the game handles: load, resize, unload (which
// may be cancelled), key down and key press, click and mouse down.
#pragma once

#include "ui/controls/Control.h"
#include "ui/controls/Timer.h"
#include "ui/pictures/LazyPixmap.h"
#include "ui/system/Platform.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <memory>

class Drawing;
class QKeyEvent;

// Whether the player could reach the control now: its window is loaded, on the screen and under
// no modal window. The toolkit keeps the mouse and the keys from any other window, but lets an
// assistive tool's action through, and a click that waited behind keys comes after a window they
// opened; the controls ask this before they act on a press.
bool CanAct(const QWidget& control);
// CanAct, for a press about to act. A press that a window opened over the control's own keeps from
// acting is told to that window: a player who does not see the screen hears that it did nothing.
bool ActsNow(const QWidget& control);

class Form : public Control<QWidget>, public Forms::Member, public Timer::Window {
    Q_OBJECT
public:
    explicit Form(Platform& platform);
    ~Form() override;

    QString Caption() const { return windowTitle(); }
    // An empty caption leaves the title bar empty, where the toolkit would show the program's name.
    void SetCaption(const QString& caption);

    // Runs the load handler once; showing a window that is not loaded loads it first.
    void Load();
    bool IsLoaded() const { return loaded_; }
    // Modeless: returns at once.
    void Show();
    // Modal: returns when the window is hidden or unloaded.
    void ShowModal();
    void Hide();
    // However the window is hidden, a modal show of it is over.
    void setVisible(bool visible) override;
    // Runs the unload handler; unless it cancels, the window goes and is deleted soon after.
    // Returns false when the handler kept the window.
    bool Unload();

    // The inner area in the window's unit (pixels). A custom scale lives on the drawing surface.
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    // What the window draws: made on first use, painted under the window's controls.
    Drawing& Surface();
    // A picture at its own size at the top left corner of the inner area, under the drawing.
    void SetPicture(const LazyPixmap& picture);

    // Outer geometry in twips, the unit windows are placed on the screen with.
    std::int32_t WidthTwips() const;
    std::int32_t HeightTwips() const;
    void SetHeightTwips(std::int32_t height);
    void MoveTwips(std::int32_t left, std::int32_t top);
    void MoveTwips(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Where a window of this outer size lies centred on a screen of that size, across or down:
    // the difference rounded to a 32-bit amount, then halved without the fraction.
    static std::int32_t CentredTwips(std::int32_t screen, std::int32_t window);

    // Every key press reaches Form_KeyDown first, whichever control has the focus.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }
    // A maximised window without a border covers the whole screen, panels included.
    enum class StartState { Normal, Maximized };
    void SetStartState(StartState state) { startState_ = state; }

    // Whether the window has been drawn on the screen, at least once.
    bool WasOnScreen() const override { return onScreen_; }
    void AfterFirstFrame(QObject& context, std::function<void()> then) override;

    // Called by the application before the key goes to the focused control.
    void PreviewKey(QKeyEvent& event);
    // When the last key meant for the window or one of its controls was pressed, on the window
    // system's clock. A key may come late, held by a screen reader that decides whether it is its own.
    void KeyPressedAt(qint64 at)
    {
        lastKeyAt_ = std::max(lastKeyAt_, at);
        reachedAt_ = std::max(reachedAt_, at);
    }
    qint64 LastKeyAt() const { return lastKeyAt_; }
    // A key pressed and held for a screen reader to decide on; if it lets the key go, the key
    // reaches the window with its own time.
    void KeyHeldAt(qint64 at)
    {
        lastKeyAt_ = std::max(lastKeyAt_, at);
        heldAt_ = std::max(heldAt_, at);
    }
    // Now on the platform's clock, which the presses on the window's controls are timed by.
    qint64 NowMs() const { return platform.clock.Ms(); }
    // Whether the last key pressed is the screen reader's, kept for a command of its own or still
    // being decided on: only then may a click or a press be the screen reader's doing.
    bool ScreenReaderHasTheKey() const { return heldAt_ > reachedAt_; }

    // Unloaded without its unload handler, when nothing can be asked any more: another program
    // destroyed the window, or the run is ending on a termination signal.
    void Discard() override;
    QWidget& Widget() override { return *this; }

signals:
    // The window was hidden or unloaded: a modal show is over.
    void Gone();
    // The window's first frame has been drawn, all of it.
    void OnScreen();
    // A press on one of its controls did nothing: a window opened over this one.
    void PressRefused();

protected:
    virtual void Form_Load() { }
    virtual void Form_Resize() { }
    virtual void Form_Unload(bool& Cancel) { (void)Cancel; }
    virtual void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) { (void)KeyCode, (void)Shift; }
    virtual void Form_KeyPress(std::int16_t KeyAscii) { (void)KeyAscii; }
    virtual void Form_Click() { }
    virtual void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y)
    {
        (void)Button, (void)Shift, (void)X, (void)Y;
    }

    Platform& platform;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void deliverKey(QKeyEvent& event);
    // Unloaded: the window goes, and with it its timers.
    void gone();
    void showNow();
    void showEmptyTitle();

    std::unique_ptr<Drawing> surface_;
    LazyPixmap picture_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool keyPreview_ = false;
    bool onScreen_ = false;
    qint64 lastKeyAt_ = 0;
    qint64 heldAt_ = 0;
    qint64 reachedAt_ = 0;
    StartState startState_ = StartState::Normal;
};
