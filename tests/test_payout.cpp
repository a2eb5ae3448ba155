// The last screen: the purse paid out in banknotes over the frozen desktop, or the loss announced;
// a click or a key that types something ends the program.
#include "history/Banknotes.h"
#include "history/Penezenka.h"
#include "payout/Vyplata.h"
#include "payout/frmPlocha.h"
#include "ui/designs/frmStulDesign.h"
#include "ui/pictures/Drawing.h"

#include <QPointF>
#include <QPointer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
const QColor DesktopBlue(20, 60, 140);

std::int32_t sumOf(const std::vector<Bankovka>& plan)
{
    std::int32_t sum = 0;
    for (const Bankovka& b : plan)
        sum += HodnotaBankovkyOf(b.Index);
    return sum;
}

TEST(PayoutPlan, PaysTheWholeHundredsWithTheKindsThePurseAllowsWithinTheScreen)
{
    struct Case {
        std::int32_t purse;
        std::int16_t kinds;
        int notes; // -1: any number
    };
    const std::vector<Case> cases = { { 100, 1, 1 }, { 1000, 1, 10 }, { 1100, 2, -1 }, { 2500, 2, -1 }, { 2501, 3, -1 },
        { 5000, 3, -1 }, { 5100, 4, -1 }, { 10000, 4, -1 }, { 10100, 5, -1 }, { 25000, 5, -1 }, { 25100, 6, -1 },
        { 300000, 6, -1 }, { 150, 1, 1 }, { 99, 1, 0 }, { 0, 1, 0 } };
    for (const Case& c : cases) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(testing::Message() << c.purse << " Kč, seed " << seed);
            ASSERT_EQ(DruhuBankovek(c.purse), c.kinds);
            Random rnd;
            rnd.Seed(seed);
            const std::vector<Bankovka> plan = PlanVyplaty(c.purse, Width * 15, Height * 15, rnd);
            if (c.notes >= 0) {
                EXPECT_EQ(static_cast<int>(plan.size()), c.notes);
            }
            EXPECT_EQ(sumOf(plan), c.purse / 100 * 100);
            for (const Bankovka& b : plan) {
                ASSERT_GE(b.Index, 0);
                ASSERT_LT(b.Index, c.kinds);
                ASSERT_GE(b.X, 50.0f);
                ASSERT_LT(b.X, 789.0f);
                ASSERT_GE(b.Y, 50.0f);
                ASSERT_LT(b.Y, 638.0f);
            }
        }
    }
}

// Each note takes its kind, drawn again while it is worth more than is left, then its place across
// and then down.
TEST(PayoutPlan, TakesKindRedrawsAndPlaceFromTheRandomNumbersInThatOrder)
{
    Random rnd;
    const float last = 0.99999994f; // the largest value below 1
    rnd.Script({ 0.9f, 0.0f, 0.0f, 0.9f, last, last, 0.5f, 0.5f, 0.5f, 0.9f, 0.5f, 0.5f, 0.9f, 0.5f, 0.5f });
    rnd.Script({ 0.9f, 0.2f, 0.1f, 0.6f }); // 100 Kč left: a 200 Kč note is drawn again
    const std::vector<Bankovka> plan = PlanVyplaty(1100, Width * 15, Height * 15, rnd);
    EXPECT_EQ(rnd.ScriptedLeft(), 0u);
    ASSERT_EQ(plan.size(), 6u);
    EXPECT_EQ(plan[4].Index, 1);
    EXPECT_EQ(plan[5].Index, 0);
    EXPECT_EQ(QPointF(plan[0].X, plan[0].Y), QPointF(50, 50));
    EXPECT_EQ(QPointF(plan[2].X, plan[2].Y), QPointF(419.5, 344));
    EXPECT_EQ(plan[5].X, (15360.0f - 4275.0f) * 0.1f / 15.0f + 50.0f);
    EXPECT_TRUE(plan[1].X > 788.99f && plan[1].X < 789.0f && plan[1].Y > 637.99f && plan[1].Y < 638.0f);
}

class PayoutScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [this] { programEnded = true; };
        platform.screen.SetSizePixels(Width, Height);
        QPixmap desktop(QSize(Width, Height) * qApp->devicePixelRatio()); // as many pixels as the screen has
        desktop.setDevicePixelRatio(qApp->devicePixelRatio());
        desktop.fill(DesktopBlue);
        platform.desktop.Pretend(desktop);
    }

    void TearDown() override
    {
        delete plocha.data();
        delete stul.data();
    }

    // The table, still loaded, opens the screen as it closes.
    void Open(std::int32_t purse)
    {
        delete plocha.data();
        delete stul.data();
        programEnded = false;
        stul = new frmStulDesign(platform, HodnotaBankovky);
        stul->Load();
        Penezenka = purse;
        plocha = new frmPlocha(platform, stul->cmdBankovka, *stul);
        plocha->Show();
    }

    // The screen as it is painted anew, as after being covered and uncovered.
    QImage Shown() { return plocha->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QImage Note(std::int16_t index) const { return stul->cmdBankovka(index).Picture().toImage(); }

    Platform platform;
    QPointer<frmStulDesign> stul;
    QPointer<frmPlocha> plocha;
    bool programEnded = false;
};

// A place shows where any of the picture does and is covered only where it is opaque; the places
// are the pixels of its image as laid, whatever ratio the image is marked with.
TEST(PayoutOutline, IsCountedInPlacesWhateverThePixelRatio)
{
    QImage three(6, 2, QImage::Format_ARGB32);
    three.fill(Qt::white);
    three.setPixel(0, 0, qRgba(0, 0, 0, 0));
    three.setPixel(5, 1, qRgba(255, 255, 255, 128));
    three.setDevicePixelRatio(2);
    const Obrys obrys = ObrysObrazku(three);
    ASSERT_EQ(obrys.radky.size(), 2u);
    EXPECT_EQ(obrys.radky[0], (Obrys::Radek { 1, 5, 1, 5 }));
    EXPECT_EQ(obrys.radky[1], (Obrys::Radek { 0, 5, 0, 4 }));
}

TEST_F(PayoutScreen, AnEmptyPurseShowsTheCaptionAndItsShadowAcrossTheMiddleAndNoNote)
{
    Open(0);
    Label& yellow = plocha->lblProhra(0);
    ASSERT_TRUE(plocha->lblProhra.Exists(1));
    Label& black = plocha->lblProhra(1);
    EXPECT_TRUE(yellow.Visible());
    EXPECT_TRUE(black.Visible());
    EXPECT_EQ(yellow.Caption(), QStringLiteral("Vše jste prohrál !"));
    EXPECT_EQ(yellow.ForeColor(), QColor(255, 255, 0));
    EXPECT_EQ(black.ForeColor(), QColor(0, 0, 0));
    EXPECT_EQ(yellow.geometry(), QRect(0, (Height - yellow.Height()) / 2, Width, yellow.Height()));
    EXPECT_EQ(black.geometry(), QRect(5, (Height - black.Height()) / 2 + 5, Width, black.Height()));
    EXPECT_GT(yellow.Height(), 90);
    EXPECT_EQ(plocha->childAt(Width / 2, yellow.Top() + yellow.Height() / 2), &yellow) << "the yellow lies in front";

    const QImage shown = Shown();
    EXPECT_EQ(shown.pixelColor(10, 10), DesktopBlue);
    EXPECT_EQ(shown.pixelColor(420, 600), DesktopBlue) << "no banknote";
}

TEST_F(PayoutScreen, TheNotesLieOverTheFrozenDesktopWhereTheirNumbersPutThemAndStay)
{
    platform.rnd.Script({ 0.0f, 0.5f, 0.5f }); // a 100 Kč note at 419.5, 344
    Open(100);
    EXPECT_EQ(platform.rnd.ScriptedLeft(), 0u);
    EXPECT_EQ(Penezenka, 0);
    EXPECT_FALSE(plocha->lblProhra(0).Visible());
    EXPECT_FALSE(plocha->lblProhra.Exists(1));

    const QImage note = Note(0);
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(420 + 80, 344 + 40), note.pixel(80, 40));
    EXPECT_EQ(shown.pixel(420, 344 + 40), note.pixel(0, 40)) << "half a pixel goes to the right";
    EXPECT_EQ(shown.pixelColor(419, 344 + 40), DesktopBlue);
    EXPECT_EQ(shown.pixelColor(420 + 80, 343), DesktopBlue);
    EXPECT_EQ(Shown(), shown);
}

// Where the platform will not show its screen, the notes lie on a plain dark background; so they
// do on whatever part of the screen a smaller picture leaves, as a picture with fewer pixels than
// the screen, or a desktop that pictures less of it, gives.
TEST_F(PayoutScreen, ARefusedOrSmallerCaptureStillGivesADarkScreenWithTheNotes)
{
    QPixmap quarter(QSize(Width / 2, Height / 2) * qApp->devicePixelRatio());
    quarter.setDevicePixelRatio(qApp->devicePixelRatio());
    quarter.fill(DesktopBlue);
    std::optional<QColor> cloth;
    for (const QPixmap& picture :
        { QPixmap(), quarter, QPixmap::fromImage(quarter.toImage().convertToFormat(QImage::Format_ARGB32)) }) {
        platform.desktop.Pretend(picture);
        platform.rnd.Script({ 0.0f, 0.5f, 0.5f });
        Open(100);
        const QImage shown = Shown();
        cloth = cloth.value_or(shown.pixelColor(Width - 10, Height - 10));
        EXPECT_LT(cloth->lightness(), 64);
        EXPECT_EQ(shown.pixelColor(10, 10), picture.isNull() ? *cloth : DesktopBlue);
        EXPECT_EQ(shown.pixelColor(Width - 10, Height - 10), *cloth);
        EXPECT_EQ(shown.pixelColor(Width / 2 + 10, 10), *cloth);
        EXPECT_EQ(shown.pixel(420 + 80, 344 + 40), Note(0).pixel(80, 40));
    }
}

// Qt takes the pixel ratio when it starts: a test at another ratio runs again in a process that
// starts with it. Whether it did.
bool RanAtRatio(double ratio)
{
    const QByteArray factor = QByteArray::number(ratio), before = qgetenv("QT_SCALE_FACTOR");
    if (qApp->devicePixelRatio() == ratio || before == factor)
        return false;
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    qputenv("QT_SCALE_FACTOR", factor);
    const QString filter = QStringLiteral("--gtest_filter=%1.%2").arg(test.test_suite_name(), test.name());
    EXPECT_EQ(QProcess::execute(QCoreApplication::applicationFilePath(), { filter }), 0);
    before.isNull() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", before);
    return true;
}
class PayoutAtRatio : public PayoutScreen, public testing::WithParamInterface<double> { };

// The screen paints only the notes that can still be seen; the picture must be the very one that
// painting every note over the whole desktop gives, to the device pixel at ratios 1, 1.5 and 2, corners
// that let the ones beneath shine through included. The small screen piles notes on almost one spot.
TEST_P(PayoutAtRatio, PaintingOnlyTheVisibleNotesGivesThePictureOfPaintingThemAll)
{
    if (RanAtRatio(GetParam()))
        return;
    struct Case {
        QSize screen;
        std::int32_t purse;
    };
    for (const Case& c : { Case { { Width, Height }, 3000000 }, Case { { 286, 181 }, 300000 } }) {
        SCOPED_TRACE(c.purse);
        platform.screen.SetSizePixels(c.screen.width(), c.screen.height());
        platform.rnd.Seed(19);
        Open(c.purse);
        const QImage fast = Shown();
        ASSERT_EQ(fast.size(), c.screen * GetParam());

        Form every(platform);
        every.resize(plocha->size());
        every.Surface().SetAutoRedraw(true);
        QPixmap desktop(plocha->size());
        desktop.fill(DesktopBlue);
        every.Surface().PaintPicture(desktop, 0, 0);
        every.Surface().SetAutoRedraw(false);
        Random rnd;
        rnd.Seed(19);
        const std::vector<Bankovka> plan = PlanVyplaty(c.purse, c.screen.width() * 15, c.screen.height() * 15, rnd);
        for (const Bankovka& b : plan)
            every.Surface().PaintPicture(stul->cmdBankovka(b.Index).Picture(), b.X, b.Y);
        EXPECT_TRUE(every.grab().toImage().convertToFormat(QImage::Format_RGB32) == fast);
    }

    // However large the purse, only about a screenful of notes is left to paint.
    std::vector<Obrys> obrysy;
    for (std::int16_t i = 0; i < 6; ++i)
        obrysy.push_back(ObrysObrazku(Drawing::AsLaid(stul->cmdBankovka(i).Picture(), GetParam())));
    Random rnd;
    const std::vector<Bankovka> plan = PlanVyplaty(9999900, Width * 15, Height * 15, rnd);
    const std::vector<bool> painted = Viditelne(plan, obrysy, QSize(Width, Height) * GetParam(), GetParam());
    EXPECT_GT(plan.size(), 6000u);
    EXPECT_LT(std::count(painted.begin(), painted.end(), true), 1000) << plan.size();
}
INSTANTIATE_TEST_SUITE_P(Ratios, PayoutAtRatio, testing::Values(1.0, 1.5, 2.0),
    [](const auto& ratio) { return "Ratio" + QString::number(ratio.param).replace(u'.', u'_').toStdString(); });

TEST_F(PayoutScreen, AClickACaptionClickOrAKeyThatTypesEndsTheProgramOtherKeysDoNot)
{
    struct Case {
        const char* what;
        std::function<void(frmPlocha&)> act;
        bool ends;
    };
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        return [k, mods](frmPlocha& screen) { QTest::keyClick(&screen, k, mods); };
    };
    const std::vector<Case> cases = {
        { "click", [](frmPlocha& s) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(30, 30)); }, true },
        { "caption", [](frmPlocha& s) { QTest::mouseClick(&s.lblProhra(0), Qt::LeftButton); }, true },
        { "shadow", [](frmPlocha& s) { QTest::mouseClick(&s.lblProhra(1), Qt::LeftButton); }, true },
        { "letter", key(Qt::Key_A), true },
        { "Escape", key(Qt::Key_Escape), true },
        { "Enter", key(Qt::Key_Return), true },
        { "space", key(Qt::Key_Space), true },
        { "arrow", key(Qt::Key_Left), false },
        { "F5", key(Qt::Key_F5), false },
        { "Shift", key(Qt::Key_Shift, Qt::ShiftModifier), false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(0);
        c.act(*plocha);
        EXPECT_EQ(programEnded, c.ends);
        EXPECT_EQ(stul->IsLoaded(), !c.ends) << "the table goes with the screen";
        EXPECT_EQ(plocha->IsLoaded(), !c.ends);
    }
}

} // namespace
