// The platform layer as the windows and the engine rely on it: control arrays, timers, the
// question box, numbers and text, random numbers, the screen and the life of a window.
#include "ui/Application.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/ControlArray.h"
#include "ui/controls/Form.h"
#include "ui/controls/GraphicalButton.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/PictureClip.h"
#include "ui/controls/Timer.h"
#include "ui/runtime/NumberText.h"
#include "ui/system/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

void deleteUnloaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window that counts what happens to it.
class ProbeForm : public Form {
public:
    using Form::Form;

    int loads = 0;
    int unloadAsked = 0;
    bool keep = false;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(bool& Cancel) override
    {
        ++unloadAsked;
        Cancel = keep;
    }
};

// ---------------------------------------------------------------------------------------------
// Control arrays

template <typename T> T* designedElement(QWidget* parent)
{
    auto* element = new T(parent);
    element->setGeometry(10, 20, 60, 40);
    element->SetToolTipText(QStringLiteral("as designed"));
    return element;
}

template <typename T> class ControlArrays : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
        window = new ProbeForm(platform);
        window->resize(400, 300);
        elements = std::make_unique<ControlArray<T>>(window, designedElement<T>);
    }
    void TearDown() override
    {
        elements.reset();
        delete window.data();
        deleteUnloaded();
    }

    Platform platform;
    QPointer<ProbeForm> window;
    std::unique_ptr<ControlArray<T>> elements;
};

using ElementKinds = ::testing::Types<CommandButton, GraphicalButton, PictureBox, Label>;
TYPED_TEST_SUITE(ControlArrays, ElementKinds);

// The banknotes and the cards are told apart only by the index their handler receives.
TYPED_TEST(ControlArrays, AClickOnAnElementReachesTheHandlerWithItsIndex)
{
    auto& array = *this->elements;
    for (std::int16_t i = 1; i <= 4; ++i) {
        ASSERT_TRUE(array.Load(i));
        array(i).Move(10 + 70 * i, 20);
        array(i).SetVisible(true);
    }
    std::vector<std::int16_t> clicked;
    std::vector<std::pair<std::int16_t, std::int16_t>> downs;
    array.OnClick([&](std::int16_t index) { clicked.push_back(index); });
    array.OnMouseDown([&](std::int16_t index, std::int16_t button, std::int16_t, float, float) {
        downs.push_back({ index, button });
    });
    this->window->Show();

    QTest::mouseClick(&array(3), Qt::LeftButton);
    QTest::mouseClick(&array(2), Qt::RightButton);

    EXPECT_EQ(clicked, (std::vector<std::int16_t> { 3 }));
    EXPECT_EQ(downs,
        (std::vector<std::pair<std::int16_t, std::int16_t>> { { 3, MouseButton::Left }, { 2, MouseButton::Right } }));
}

// A card loaded during a game must not inherit the place or the picture of the first card.
TYPED_TEST(ControlArrays, LoadingCopiesElementZerosDesignNotItsCurrentState)
{
    auto& array = *this->elements;
    array(0).Move(200, 150);
    array(0).SetToolTipText(QStringLiteral("changed at run time"));
    array(0).SetVisible(true);

    // Loaded before and after the window is first shown: hidden either way.
    ASSERT_TRUE(array.Load(4));
    this->window->Show();
    ASSERT_TRUE(array.Load(5));

    for (std::int16_t i : { 4, 5 }) {
        SCOPED_TRACE(i);
        EXPECT_EQ(array(i).geometry(), QRect(10, 20, 60, 40));
        EXPECT_EQ(array(i).toolTip(), QStringLiteral("as designed"));
        EXPECT_EQ(array(i).parentWidget(), this->window.data());
        EXPECT_FALSE(array(i).isVisible());
        EXPECT_FALSE(array(i).Visible());
    }
    EXPECT_TRUE(array(0).isVisible());
    EXPECT_EQ(array.Count(), 3);
    EXPECT_EQ(array.UBound(), 5);
}

TYPED_TEST(ControlArrays, LoadingAnIndexThatExistsChangesNothing)
{
    auto& array = *this->elements;
    ASSERT_TRUE(array.Load(1));
    TypeParam* first = &array(1);
    first->Move(111, 99);

    EXPECT_FALSE(array.Load(1));
    EXPECT_FALSE(array.Load(0));

    EXPECT_EQ(&array(1), first);
    EXPECT_EQ(array(1).pos(), QPoint(111, 99));
    EXPECT_EQ(array.Count(), 2);
}

TYPED_TEST(ControlArrays, UnloadRemovesAnElementButNeverElementZero)
{
    auto& array = *this->elements;
    for (std::int16_t i = 1; i <= 3; ++i)
        ASSERT_TRUE(array.Load(i));
    QPointer<TypeParam> third = &array(3);
    QPointer<TypeParam> zeroth = &array(0);

    EXPECT_TRUE(array.Unload(3));
    EXPECT_FALSE(array.Unload(3));
    EXPECT_FALSE(array.Unload(0));
    deleteUnloaded();

    EXPECT_TRUE(third.isNull());
    EXPECT_FALSE(zeroth.isNull());
    EXPECT_FALSE(array.Exists(3));
    EXPECT_TRUE(array.Exists(0));
    EXPECT_EQ(array.Count(), 3);
    EXPECT_EQ(array.UBound(), 2);
    // The index is free again, and a new element comes from the design.
    EXPECT_TRUE(array.Load(3));
    EXPECT_EQ(array(3).geometry(), QRect(10, 20, 60, 40));
}

// Returning a seven removes the very card that was clicked.
TYPED_TEST(ControlArrays, AnElementMayUnloadItselfFromItsOwnClickHandler)
{
    auto& array = *this->elements;
    ASSERT_TRUE(array.Load(1));
    array(1).SetVisible(true);
    this->window->Show();
    QPointer<TypeParam> element = &array(1);
    array.OnClick([&](std::int16_t index) { array.Unload(index); });

    QTest::mouseClick(element.data(), Qt::LeftButton);
    deleteUnloaded();

    EXPECT_TRUE(element.isNull());
    EXPECT_EQ(array.Count(), 1);
}

// ---------------------------------------------------------------------------------------------
// Timers

TEST(Timers, ADirectTickFiresOnlyWhileTheTimerIsEnabled)
{
    Timer timer(nullptr, 800, false);
    QSignalSpy fired(&timer, &Timer::Fired);

    EXPECT_FALSE(timer.Tick());
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Tick());
    EXPECT_TRUE(timer.Tick());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Tick());

    EXPECT_EQ(fired.count(), 2);
    EXPECT_EQ(timer.Interval(), 800);
}

// The hint's and the notice's timers count from their window's first frame, or, when none comes,
// from twice their interval after they are made; the bank's pace counts from being switched on,
// drawn or not. None is a coarse timer, which may tick 5 % early.
TEST(Timers, AnEnabledTimerTicksByItselfNeverEarlyAndStopsWhenDisabled)
{
    Platform platform;
    platform.forms.OnLastUnloaded = [] {};
    ProbeForm shown(platform), never(platform);
    QStringList happened;
    QObject::connect(&shown, &Form::OnScreen, [&] { happened << "frame"; });
    Timer hint(&shown, 100, true, Timer::Counting::FromFirstFrame);
    Timer notice(&never, 100, true, Timer::Counting::FromFirstFrame), pace(&never, 300, true);
    QObject::connect(&hint, &Timer::Fired, [&] { happened << "hint"; });
    for (Timer* timer : { &hint, &notice, &pace }) {
        ASSERT_FALSE(timer->findChildren<QTimer*>().isEmpty());
        for (const QTimer* counting : timer->findChildren<QTimer*>())
            EXPECT_EQ(counting->timerType(), Qt::PreciseTimer);
    }
    EXPECT_FALSE(hint.Running() || notice.Running());
    EXPECT_TRUE(pace.Running());

    shown.Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return happened.contains("hint") && notice.Running(); }, 60000));
    EXPECT_EQ(happened.first(), "frame");
    hint.SetEnabled(false);
    EXPECT_FALSE(hint.Running());
}

// ---------------------------------------------------------------------------------------------
// The question box

TEST(QuestionBox, AnAnswererAnswersInsteadOfTheBoxAndEveryPromptIsKept)
{
    MessageBox box;
    QStringList seen;
    box.AnswerWith([&](const QString& prompt) {
        seen << prompt;
        return seen.size() == 1 ? MessageBox::Answer::No : MessageBox::Answer::Yes;
    });

    EXPECT_EQ(box.AskYesNo(nullptr, QStringLiteral("První ?")), MessageBox::Answer::No);
    EXPECT_EQ(box.AskYesNo(nullptr, QStringLiteral("Druhá ?")), MessageBox::Answer::Yes);

    EXPECT_EQ(seen, (QStringList { QStringLiteral("První ?"), QStringLiteral("Druhá ?") }));
    EXPECT_EQ(box.Asked(), seen);
}

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QStringList buttons;
    QString defaultButton;
    QString face;
};

// Answers the next modal box once it is up, noting what it showed.
void answerWhenShown(BoxSeen& seen, const std::function<void(QMessageBox&)>& answer, int triesLeft = 200)
{
    QTimer::singleShot(5, [&seen, answer, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (triesLeft > 0)
                answerWhenShown(seen, answer, triesLeft - 1);
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        seen.face = QFontInfo(box->font()).family();
        answer(*box);
    });
}

// Qt's texts in capitals, as another language would give them.
struct ShoutingTranslator : QTranslator {
    QString translate(const char*, const char* s, const char*, int) const override { return QString(s).toUpper(); }
    bool isEmpty() const override { return false; }
};

// The buttons read Czech whatever translation of Qt is installed, and the text is drawn in the
// windows' face, not in whatever the platform would give a box of its own.
TEST(QuestionBox, TheRealBoxAsksAnoOrNeTitledIxaWithAnoPreselected)
{
    const QString yes = QStringLiteral("&Ano");
    const QString no = QStringLiteral("&Ne");
    ShoutingTranslator otherLanguage;
    QCoreApplication::installTranslator(&otherLanguage);

    struct Case {
        const char* how;
        std::function<void(QMessageBox&)> answer;
        MessageBox::Answer expected;
    };
    const std::vector<Case> cases = {
        { "clicking No", [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }, MessageBox::Answer::No },
        { "clicking Yes", [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, MessageBox::Answer::Yes },
        { "pressing Return", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, MessageBox::Answer::Yes },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        MessageBox msgBox;
        BoxSeen seen;
        answerWhenShown(seen, c.answer);

        EXPECT_EQ(msgBox.AskYesNo(nullptr, QStringLiteral("Opravdu mám vyplatit výhru ?")), c.expected);

        EXPECT_EQ(seen.title, QStringLiteral("Ixa"));
        EXPECT_EQ(seen.text, QStringLiteral("Opravdu mám vyplatit výhru ?"));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, (QStringList { yes, no }));
        EXPECT_EQ(seen.defaultButton, yes);
        EXPECT_EQ(seen.face.toStdString(), "Liberation Sans");
        EXPECT_EQ(msgBox.Asked(), QStringList { QStringLiteral("Opravdu mám vyplatit výhru ?") });
    }
}

// ---------------------------------------------------------------------------------------------
// Numbers and text

TEST(NumberText, StrLeavesTheSignPlaceBlankAndCStrDoesNot)
{
    struct Case {
        std::int64_t value;
        const char* str;
        const char* cstr;
    };
    const std::vector<Case> cases = {
        { 0, " 0", "0" },
        { 800, " 800", "800" },
        { -5, "-5", "-5" },
        { 1000000, " 1000000", "1000000" },
        { -2147483648LL, "-2147483648", "-2147483648" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Str(c.value), QString::fromLatin1(c.str));
        EXPECT_EQ(CStr(c.value), QString::fromLatin1(c.cstr));
    }
}

struct ValCase {
    const char* text;
    double value;
};

// The leading number of a text, as the command line and the displays are read.
const std::vector<ValCase> valCases = {
    { "  -2.5e1x", -25 },
    { "abc", 0 },
    { "0x10", 0 },
    { "nan", 0 },
    { "inf", 0 },
    { "-inf", 0 },
    { "", 0 },
    { "   ", 0 },
    { "-", 0 },
    { ".", 0 },
    { "  7e1", 70 },
    { "2.5", 2.5 },
    { "-5", -5 },
    { "1e", 1 },
    { "1e+", 1 },
    { "2E-1", 0.2 },
    { ".5", 0.5 },
    { "5.", 5 },
    { "+3", 3 },
    { "1,5", 1 },
    { "1 000", 1 },
    { "25x", 25 },
    { "007", 7 },
    { "\t12\n", 12 },
    { "1.2.3", 1.2 },
    { "- 5", 0 },
    { "1e-400", 0 },
};

TEST(NumberText, ValReadsTheLeadingNumberAndNothingElse)
{
    for (const ValCase& c : valCases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.value);
    }
}

// A number too large for a double is the largest one, never an infinity, and a number too small
// is 0, never the largest: what decides is where the first significant digit stands.
TEST(NumberText, ValKeepsNumbersBeyondADoubleFiniteAndOnTheRightSide)
{
    const double max = std::numeric_limits<double>::max();
    const std::string zeros(400, '0');
    struct Case {
        std::string text;
        double value;
    };
    const std::vector<Case> cases = {
        { "1e400", max },
        { "-1e400", -max },
        { "1e99999999999999999999", max },
        { "1" + zeros, max },
        { "1" + zeros + "e-5", max },
        { "0." + zeros + "1", 0 },
        { "-0." + zeros + "1e5", 0 },
        { "0.0001e-400", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const double value = Val(QString::fromStdString(c.text));
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_DOUBLE_EQ(value, c.value);
    }
    EXPECT_GE(Val(u"1e400"), 1e308);
}

// The game's numbers never use a decimal comma, even where the C library's locale does.
TEST(NumberText, ValReadsAPointWhateverTheLocalesDecimalSeparator)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : { "cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8" })
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = name;
            break;
        }
    if (!commaLocale || *std::localeconv()->decimal_point != ',') {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }

    const double point = Val(u"2.5");
    const double comma = Val(u"2,5");
    std::setlocale(LC_NUMERIC, saved.c_str());

    EXPECT_DOUBLE_EQ(point, 2.5) << commaLocale;
    EXPECT_DOUBLE_EQ(comma, 2) << commaLocale;
}

TEST(NumberText, CLngAndCIntRoundHalvesToTheEvenNeighbour)
{
    struct Case {
        double value;
        std::int32_t rounded;
    };
    const std::vector<Case> cases = {
        { 0.5, 0 },
        { 1.5, 2 },
        { 2.5, 2 },
        { 3.5, 4 },
        { -0.5, 0 },
        { -1.5, -2 },
        { -2.5, -2 },
        { 2.4999, 2 },
        { 2.5001, 3 },
        { -7.6, -8 },
        { 32767.4, 32767 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CLng(c.value), c.rounded);
        EXPECT_EQ(CInt(c.value), c.rounded);
    }
}

TEST(NumberText, CLngAndCIntStopAtTheirTypesLimitsInsteadOfWrapping)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        std::int32_t lng;
        std::int16_t integer;
    };
    const std::vector<Case> cases = {
        { 1e300, INT32_MAX, INT16_MAX },
        { -1e300, INT32_MIN, INT16_MIN },
        { inf, INT32_MAX, INT16_MAX },
        { -inf, INT32_MIN, INT16_MIN },
        { nan, 0, 0 },
        { 2147483647.4, INT32_MAX, INT16_MAX },
        { 2147483648.0, INT32_MAX, INT16_MAX },
        { -2147483649.0, INT32_MIN, INT16_MIN },
        { 32767.5, 32768, INT16_MAX },
        { -32768.4, -32768, INT16_MIN },
        { -40000, -40000, INT16_MIN },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CLng(c.value), c.lng);
        EXPECT_EQ(CInt(c.value), c.integer);
    }
}

TEST(NumberText, IntDivDropsTheFractionTowardZero)
{
    struct Case {
        std::int32_t a;
        std::int32_t b;
        std::int32_t quotient;
    };
    const std::vector<Case> cases = {
        { 7, 2, 3 },
        { -7, 2, -3 },
        { 7, -2, -3 },
        { -7, -2, 3 },
        { 1, 2, 0 },
        { -1, 2, 0 },
        { 15360, 15, 1024 },
        // Neither ends the program.
        { 5, 0, 0 },
        { INT32_MIN, -1, INT32_MAX },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " \\ " + std::to_string(c.b));
        EXPECT_EQ(IntDiv(c.a, c.b), c.quotient);
    }
}

// ---------------------------------------------------------------------------------------------
// Random numbers

TEST(RandomNumbers, EveryDrawLiesInTheHalfOpenUnitInterval)
{
    Random rnd;
    float low = 1, high = 0;
    for (std::uint32_t seed : { 0u, 1u, 0xffffffffu, 20240601u }) {
        rnd.Seed(seed);
        for (int i = 0; i < 100000; ++i) {
            const float r = rnd.Rnd();
            ASSERT_GE(r, 0.0f);
            ASSERT_LT(r, 1.0f);
            low = std::min(low, r);
            high = std::max(high, r);
        }
    }
    // And the draws really spread over the interval.
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
}

TEST(RandomNumbers, ScriptedValuesComeOutFirstExactlyAndLeaveTheSequenceAlone)
{
    Random plain;
    plain.Seed(42);
    const float first = plain.Rnd();
    const float second = plain.Rnd();

    Random rnd;
    rnd.Seed(42);
    rnd.Script({ 0.999999f, 0.0f, 0.3f });
    rnd.Script(0.125f);

    EXPECT_EQ(rnd.ScriptedLeft(), 4u);
    EXPECT_EQ(rnd.Rnd(), 0.999999f);
    EXPECT_EQ(rnd.Rnd(), 0.0f);
    EXPECT_EQ(rnd.Rnd(), 0.3f);
    EXPECT_EQ(rnd.Rnd(), 0.125f);
    EXPECT_EQ(rnd.ScriptedLeft(), 0u);
    EXPECT_EQ(rnd.Rnd(), first);
    EXPECT_EQ(rnd.Rnd(), second);
}

TEST(RandomNumbers, TheSameSeedGivesTheSameSequence)
{
    auto draw = [](std::uint32_t seed) {
        Random rnd;
        rnd.Seed(seed);
        std::vector<float> values;
        for (int i = 0; i < 50; ++i)
            values.push_back(rnd.Rnd());
        return values;
    };
    EXPECT_EQ(draw(7), draw(7));
    EXPECT_NE(draw(7), draw(8));

    Random reseeded;
    reseeded.Seed(7);
    for (int i = 0; i < 10; ++i)
        reseeded.Rnd();
    reseeded.Seed(7);
    EXPECT_EQ(reseeded.Rnd(), draw(7).front());
}

// ---------------------------------------------------------------------------------------------
// The screen

TEST(ScreenSize, APretendSizeInPixelsCountsFifteenTwipsEach)
{
    struct Case {
        int width, height;
        std::int32_t twipsWide, twipsHigh;
    };
    const std::vector<Case> cases
        = { { 800, 600, 12000, 9000 }, { 799, 600, 11985, 9000 }, { 1024, 768, 15360, 11520 } };
    for (const Case& c : cases) {
        Screen screen;
        screen.SetSizePixels(c.width, c.height);
        EXPECT_EQ(screen.Width(), c.twipsWide);
        EXPECT_EQ(screen.Height(), c.twipsHigh);
    }
}

TEST(ScreenSize, WithoutAPretendSizeTheRealScreenCounts)
{
    const QScreen* real = QGuiApplication::primaryScreen();
    ASSERT_NE(real, nullptr);
    ASSERT_GT(real->size().width(), 0);
    Screen screen;
    EXPECT_EQ(screen.Width(), real->size().width() * 15);
    EXPECT_EQ(screen.Height(), real->size().height() * 15);
}

// ---------------------------------------------------------------------------------------------
// The image clip

// A card face must come out exactly as large as the clip, whatever part of the grid it covers. On a
// screen of twice the pixel ratio the grid has twice the pixels and the clip cuts at twice the
// coordinates: the places stay logical.
TEST(ImageClip, AClipIsAlwaysAsLargeAsAskedAndTransparentBeyondThePicture)
{
    for (const int ratio : { 1, 2 }) {
        SCOPED_TRACE(ratio);
        QPixmap grid(40 * ratio, 20 * ratio);
        grid.fill(Qt::red);
        {
            QPainter painter(&grid);
            painter.fillRect(20 * ratio, 0, 20 * ratio, 20 * ratio, Qt::blue);
        }
        grid.setDevicePixelRatio(ratio);
        PictureClip clip;
        clip.SetPicture(grid);
        const QColor none(0, 0, 0, 0), red(Qt::red), blue(Qt::blue);
        struct Case {
            QRect asked;
            QColor topLeft, bottomRight;
        };
        const std::vector<Case> cases = {
            { { 20, 0, 20, 20 }, blue, blue },
            { { 0, 5, 10, 10 }, red, red },
            { { 30, 10, 20, 20 }, blue, none },
            { { -10, -5, 20, 20 }, none, red },
            { { 100, 100, 5, 5 }, none, none },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(QString::number(c.asked.x()).toStdString());
            clip.ClipX = static_cast<std::int16_t>(c.asked.x());
            clip.ClipY = static_cast<std::int16_t>(c.asked.y());
            clip.ClipWidth = static_cast<std::int16_t>(c.asked.width());
            clip.ClipHeight = static_cast<std::int16_t>(c.asked.height());
            const QPixmap cut = clip.Clip();
            ASSERT_EQ(cut.deviceIndependentSize().toSize(), c.asked.size());
            const QImage pixels = cut.toImage();
            ASSERT_EQ(pixels.size(), c.asked.size() * ratio);
            EXPECT_EQ(pixels.pixelColor(0, 0).rgba(), c.topLeft.rgba());
            EXPECT_EQ(pixels.pixelColor(pixels.width() - 1, pixels.height() - 1).rgba(), c.bottomRight.rgba());
        }
        for (QSize empty : { QSize(0, 0), QSize(120, 0), QSize(-5, 10) }) {
            clip.ClipX = clip.ClipY = 0;
            clip.ClipWidth = static_cast<std::int16_t>(empty.width());
            clip.ClipHeight = static_cast<std::int16_t>(empty.height());
            EXPECT_TRUE(clip.Clip().isNull());
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The life of a window

class Windows : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [this] { ++programEnds; };
    }
    void TearDown() override
    {
        for (QPointer<ProbeForm>& form : made)
            delete form.data();
        deleteUnloaded();
    }
    ProbeForm* make()
    {
        auto* form = new ProbeForm(platform);
        form->resize(200, 150);
        made.push_back(form);
        return form;
    }

    Platform platform;
    int programEnds = 0;
    std::vector<QPointer<ProbeForm>> made;
};

TEST_F(Windows, TheLoadHandlerRunsOnceHoweverTheWindowIsLoadedAndShown)
{
    ProbeForm* form = make();
    form->Load();
    form->Load();
    form->Show();
    form->Hide();
    form->Show();

    EXPECT_EQ(form->loads, 1);
    EXPECT_TRUE(form->IsLoaded());
    EXPECT_TRUE(platform.forms.IsLoaded(form));
}

TEST_F(Windows, ShowingAWindowThatIsNotLoadedLoadsItFirst)
{
    ProbeForm* form = make();
    form->Show();

    EXPECT_EQ(form->loads, 1);
    EXPECT_TRUE(form->isVisible());
}

// The game's way out and the close box must ask the same question and obey the same answer.
TEST_F(Windows, UnloadAndTheCloseBoxBothAskTheUnloadHandlerWhichMayKeepTheWindow)
{
    struct Case {
        const char* how;
        std::function<void(ProbeForm&)> close;
    };
    const std::vector<Case> cases = {
        { "Unload", [](ProbeForm& form) { form.Unload(); } },
        { "the close box", [](ProbeForm& form) { form.close(); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        QPointer<ProbeForm> form = make();
        form->Show();
        form->keep = true;

        c.close(*form);
        deleteUnloaded();

        ASSERT_FALSE(form.isNull());
        EXPECT_EQ(form->unloadAsked, 1);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->IsLoaded());
        EXPECT_EQ(programEnds, 0);

        form->keep = false;
        c.close(*form);
        EXPECT_EQ(form->unloadAsked, 2);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->IsLoaded());
        EXPECT_EQ(programEnds, 1);
        deleteUnloaded();
        EXPECT_TRUE(form.isNull());
        programEnds = 0;
    }
}

TEST_F(Windows, UnloadingTheLastLoadedWindowEndsTheProgram)
{
    ProbeForm* table = make();
    ProbeForm* notice = make();
    table->Show();
    notice->Show();
    ProbeForm* neverLoaded = make();
    (void)neverLoaded;

    EXPECT_TRUE(notice->Unload());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(platform.forms.Count(), 1u);

    EXPECT_TRUE(table->Unload());
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(platform.forms.Count(), 0u);
}

// Another program may destroy the window under a modal one while a handler of it runs the modal
// loop: the window goes at once, but is deleted only once that handler can no longer use it.
TEST_F(Windows, AWindowGoneWhileAModalOneIsOpenIsDeletedOnlyWhenTheModalLoopIsOver)
{
    QPointer<ProbeForm> under = make();
    under->Show();
    QPointer<ProbeForm> modal = make();
    QTimer::singleShot(20, modal.data(), [&] {
        Application::DiscardAllForms();
        deleteUnloaded();
    });
    modal->ShowModal();

    ASSERT_FALSE(under.isNull()) << "deleted while the handler under the modal loop could still use it";
    EXPECT_FALSE(under->IsLoaded());
    EXPECT_EQ(programEnds, 1);
    deleteUnloaded();
    EXPECT_TRUE(under.isNull());
    EXPECT_TRUE(modal.isNull());
}

TEST_F(Windows, AModalShowReturnsWhenTheWindowIsHiddenOrUnloaded)
{
    struct Case {
        const char* how;
        std::function<void(ProbeForm&)> end;
        bool unloaded;
    };
    const std::vector<Case> cases = {
        { "Hide", [](ProbeForm& form) { form.Hide(); }, false },
        { "Visible = false", [](ProbeForm& form) { form.SetVisible(false); }, false },
        { "Unload", [](ProbeForm& form) { form.Unload(); }, true },
        { "the close box", [](ProbeForm& form) { form.close(); }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        QPointer<ProbeForm> form = make();
        make()->Show(); // the window underneath, so that the modal one is not the last
        bool ended = false;
        bool rescued = false;
        // Should the way out fail, the test must still come back.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] {
            rescued = true;
            if (form)
                form->Unload();
        });
        QTimer::singleShot(20, form.data(), [&] {
            ended = true;
            c.end(*form);
            rescue.start(3000);
        });

        form->ShowModal();
        rescue.stop();

        EXPECT_TRUE(ended);
        EXPECT_FALSE(rescued);
        if (!form.isNull()) {
            EXPECT_FALSE(form->isVisible());
            EXPECT_EQ(form->IsLoaded(), !c.unloaded);
            EXPECT_EQ(form->windowModality(), Qt::NonModal);
        }
    }
}

} // namespace
