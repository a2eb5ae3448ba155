#include "ui/controls/Form.h"

#include "ui/controls/DesignFont.h"
#include "ui/controls/KeyCode.h"
#include "ui/pictures/Drawing.h"
#include "ui/runtime/NumberText.h"
#include "ui/system/Screen.h"
#include "ui/system/X11.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <utility>

bool CanAct(const QWidget& control)
{
    const QWidget* window = control.window();
    if (!window->isVisible())
        return false;
    if (const auto* form = qobject_cast<const Form*>(window); form && !form->IsLoaded())
        return false;
    const QWindow* modal = QGuiApplication::modalWindow();
    const QWindow* handle = window->windowHandle();
    return !modal || !handle || modal == handle || modal->isAncestorOf(handle, QWindow::IncludeTransients);
}

bool ActsNow(const QWidget& control)
{
    if (CanAct(control))
        return true;
    // A window that is gone or hidden is not told: the player has left it.
    if (auto* form = qobject_cast<Form*>(control.window()); form && form->isVisible() && form->IsLoaded())
        emit form->PressRefused();
    return false;
}

Form::Form(Platform& platform_)
    : Control<QWidget>(nullptr)
    , platform(platform_)
{
    // Every window's own font, which its buttons and plain labels take.
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8.25));
}

Form::~Form()
{
    platform.forms.Unloaded(this);
}

void Form::Load()
{
    if (loaded_)
        return;
    // Marked first: the load handler may show the window itself.
    loaded_ = true;
    platform.forms.Loaded(this);
    Form_Load();
}

void Form::Show()
{
    if (!loaded_) {
        Load();
        if (!loaded_ || isVisible())
            return;
    }
    showNow();
}

void Form::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
    if (caption.isEmpty() && testAttribute(Qt::WA_WState_Created))
        showEmptyTitle();
}

// Qt names a window without a title after the program; the window system is given the empty
// title directly, once Qt has given it its own.
void Form::showEmptyTitle()
{
    X11::ShowEmptyTitle(winId());
}

void Form::showNow()
{
    const bool coversTheScreen = startState_ == StartState::Maximized && (windowFlags() & Qt::FramelessWindowHint);
    // On the screen the game is on, wherever the window system would put a new window.
    if (coversTheScreen && platform.screen.Shown())
        setScreen(platform.screen.Shown());
    if (windowTitle().isEmpty()) {
        // Made before it is shown, so that the window manager never sees another title.
        create();
        showEmptyTitle();
    }
    if (coversTheScreen) {
        // Without a window manager it keeps the geometry it was given: its load handler gives the screen's.
        // Covering everything, it is the window the keys are meant for.
        showFullScreen();
        activateWindow();
    } else if (startState_ == StartState::Maximized) {
        // Without a window manager a maximised window keeps its size: give it the screen's first.
        if (const QScreen* screen = platform.screen.Shown(); screen && !isVisible())
            setGeometry(screen->availableGeometry());
        showMaximized();
    } else {
        show();
    }
}

void Form::ShowModal()
{
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    if (!loaded_)
        Load();
    if (!self || !loaded_)
        return;
    const Forms::Modal modal(&platform.forms);
    QEventLoop loop;
    connect(this, &Form::Gone, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    showNow();
    if (self && isVisible())
        loop.exec();
    if (self)
        setWindowModality(Qt::NonModal);
}

void Form::Hide()
{
    hide();
}

void Form::setVisible(bool visible)
{
    Control<QWidget>::setVisible(visible);
    if (!visible)
        emit Gone();
}

Drawing& Form::Surface()
{
    if (!surface_)
        surface_ = std::make_unique<Drawing>(*this);
    return *surface_;
}

void Form::SetPicture(const LazyPixmap& picture)
{
    picture_ = picture;
    update();
}

void Form::paintEvent(QPaintEvent* event)
{
    if (surface_ || !picture_.IsNull()) {
        QPainter painter(this);
        if (!picture_.IsNull())
            painter.drawPixmap(0, 0, picture_.Pixmap());
        if (surface_)
            surface_->Paint(painter);
    }
    QWidget::paintEvent(event);
    if (!onScreen_) {
        onScreen_ = true;
        // Told once the whole frame is on its way to the screen: the window's own paint comes
        // before its controls' (a first text may wait for its font) and before the frame is sent.
        QMetaObject::invokeMethod(this, &Form::OnScreen, Qt::QueuedConnection);
    }
}

void Form::AfterFirstFrame(QObject& context, std::function<void()> then)
{
    connect(this, &Form::OnScreen, &context, std::move(then));
}

void Form::Discard()
{
    if (!loaded_)
        return;
    unloading_ = false;
    gone();
}

bool Form::Unload()
{
    if (!loaded_ || unloading_)
        return true;
    unloading_ = true;
    bool Cancel = false;
    QPointer<Form> self(this);
    Form_Unload(Cancel);
    if (!self)
        return true;
    unloading_ = false;
    if (Cancel)
        return false;
    gone();
    return true;
}

void Form::gone()
{
    loaded_ = false;
    // A window's timers end with it: no tick may reach a window on its way out.
    for (Timer* timer : findChildren<Timer*>())
        timer->SetEnabled(false);
    hide();
    emit Gone();
    platform.forms.Release(this);
    platform.forms.Unloaded(this);
}

std::int32_t Form::WidthTwips() const
{
    return frameGeometry().width() * Screen::TwipsPerPixel;
}

std::int32_t Form::HeightTwips() const
{
    return frameGeometry().height() * Screen::TwipsPerPixel;
}

void Form::SetHeightTwips(std::int32_t height)
{
    const int frame = frameGeometry().height() - this->height();
    const int inner = height / Screen::TwipsPerPixel - frame;
    // A window the player cannot resize stays so at its new height.
    if (minimumHeight() == maximumHeight())
        setFixedHeight(inner);
    else
        resize(width(), inner);
}

void Form::MoveTwips(std::int32_t left, std::int32_t top)
{
    move(left / Screen::TwipsPerPixel, top / Screen::TwipsPerPixel);
}

void Form::MoveTwips(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    MoveTwips(left, top);
    const QSize frame = frameGeometry().size() - size();
    resize(width / Screen::TwipsPerPixel - frame.width(), height / Screen::TwipsPerPixel - frame.height());
}

std::int32_t Form::CentredTwips(std::int32_t screen, std::int32_t window)
{
    return IntDiv(CLng(double(screen) - window), 2);
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (loaded_)
        Form_Resize();
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Minimising and restoring may keep the size; the window is laid out again all the same.
    if (event->type() == QEvent::WindowStateChange && loaded_)
        Form_Resize();
}

void Form::closeEvent(QCloseEvent* event)
{
    // The close box asks exactly as the game's own way out does.
    if (Unload())
        event->accept();
    else
        event->ignore();
}

void Form::PreviewKey(QKeyEvent& event)
{
    if (keyPreview_)
        deliverKey(event);
}

void Form::deliverKey(QKeyEvent& event)
{
    QPointer<Form> self(this);
    Form_KeyDown(KeyCodeOf(event), ShiftMaskOf(event.modifiers()));
    if (self && !event.text().isEmpty())
        Form_KeyPress(static_cast<std::int16_t>(event.text().at(0).unicode()));
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // With key preview the window has seen the key already, on its way to the control.
    if (!keyPreview_)
        deliverKey(*event);
    QWidget::keyPressEvent(event);
}

void Form::mousePressEvent(QMouseEvent* event)
{
    const MouseDownArgs a = MouseDownOf(*event);
    Form_MouseDown(a.Button, a.Shift, a.X, a.Y);
    event->accept();
}

void Form::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClick(*this, *event))
        Form_Click();
    event->accept();
}
