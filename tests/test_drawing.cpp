// What a window draws: points and lines in its own scale, pictures, the pen, clearing, and the
// retained drawing that the pay-out screen keeps the desktop in.
#include "ui/controls/Form.h"
#include "ui/pictures/Drawing.h"
#include "ui/system/Platform.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);

class Canvas : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
        window.SetBackColor(Black);
        window.resize(300, 120);
    }

    // The window as it is painted.
    QImage shown() { return window.grab().toImage(); }

    // The rows of one column that carry the colour.
    static std::vector<int> rowsIn(const QImage& image, int x, QColor colour)
    {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == colour)
                rows.push_back(y);
        return rows;
    }

    static int count(const QImage& image, QColor colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }

    Platform platform;
    Form window { platform };
    Drawing& surface = window.Surface();
};

// The statistics chart: history 1000 then 1200 gives scale 1 by 1200, and the purse line runs from
// 1000 Kč on the left (y = 200) up to 1200 Kč at the top right.
TEST_F(Canvas, ACustomScaleStretchesOverTheInnerArea)
{
    surface.SetScaleWidth(1);
    surface.SetScaleHeight(1200);
    surface.SetForeColor(Green);
    surface.Line(0, 200, 1, 0);

    const QImage image = shown();
    EXPECT_EQ(rowsIn(image, 0, Green), std::vector<int> { 20 });
    EXPECT_EQ(rowsIn(image, 150, Green), std::vector<int> { 10 });
    EXPECT_EQ(rowsIn(image, 299, Green), std::vector<int> { 0 });
    EXPECT_EQ(image.pixelColor(0, 0), Black);
    EXPECT_EQ(image.pixelColor(299, 119), Black);
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 1);
    EXPECT_DOUBLE_EQ(surface.ScaleHeight(), 1200);
}

TEST_F(Canvas, WithoutACustomScaleTheUnitIsThePixel)
{
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 300);
    EXPECT_DOUBLE_EQ(surface.ScaleHeight(), 120);
    surface.SetForeColor(Green);
    surface.Line(10, 30, 109, 30);

    const QImage image = shown();
    EXPECT_EQ(rowsIn(image, 10, Green), std::vector<int> { 30 });
    EXPECT_EQ(rowsIn(image, 109, Green), std::vector<int> { 30 });
    EXPECT_EQ(count(image, Green), 100);
}

TEST_F(Canvas, APointSetsTheCurrentPositionAndEachLineEndsThere)
{
    surface.SetScaleWidth(30); // 10 pixels a unit
    surface.SetScaleHeight(12);
    surface.SetForeColor(Green);

    surface.PSet(29, 11);
    EXPECT_DOUBLE_EQ(surface.CurrentX, 29);
    EXPECT_DOUBLE_EQ(surface.CurrentY, 11);
    surface.LineTo(28, 1);
    EXPECT_DOUBLE_EQ(surface.CurrentX, 28);
    EXPECT_DOUBLE_EQ(surface.CurrentY, 1);
    surface.LineTo(1, 1);
    surface.Line(0, 0, 2, 3);
    EXPECT_DOUBLE_EQ(surface.CurrentX, 2);
    EXPECT_DOUBLE_EQ(surface.CurrentY, 3);

    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(290, 110), Green); // the point
    EXPECT_EQ(image.pixelColor(285, 60), Green); // halfway up the first line
    EXPECT_EQ(rowsIn(image, 150, Green), std::vector<int> { 10 }); // along the second one
    EXPECT_EQ(image.pixelColor(5, 20), Black);
}

// The purse line of the chart is 2 pixels wide whatever the scale; the reference line 1.
TEST_F(Canvas, ThePenWidthIsInPixelsWhateverTheScale)
{
    surface.SetScaleWidth(1);
    surface.SetScaleHeight(1200);
    for (int width : { 1, 2, 3 }) {
        SCOPED_TRACE(width);
        surface.Cls();
        surface.DrawWidth = width;
        surface.SetForeColor(Green);
        surface.Line(0, 600, 1, 600);

        const std::vector<int> rows = rowsIn(shown(), 150, Green);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(width));
        EXPECT_EQ(rows.back() - rows.front(), width - 1);
        EXPECT_LE(rows.front(), 60);
        EXPECT_GE(rows.back(), 59);
    }
}

TEST_F(Canvas, WithoutAColourOfItsOwnThePenTakesTheWindowsForeColour)
{
    window.SetForeColor(QColor(255, 255, 255));
    surface.Line(0, 60, 299, 60);
    EXPECT_EQ(shown().pixelColor(100, 60), QColor(255, 255, 255));
    EXPECT_EQ(RGB(0, 255, 0), Green);
}

TEST_F(Canvas, ClsClearsToTheBackColourAndReturnsToTheOrigin)
{
    for (bool retained : { false, true }) {
        SCOPED_TRACE(retained);
        surface.SetAutoRedraw(retained);
        surface.SetForeColor(Green);
        surface.Line(0, 0, 299, 119);
        surface.PSet(200, 30);
        ASSERT_GT(count(shown(), Green), 0);

        surface.Cls();

        const QImage image = shown();
        EXPECT_EQ(count(image, Black), 300 * 120);
        EXPECT_DOUBLE_EQ(surface.CurrentX, 0);
        EXPECT_DOUBLE_EQ(surface.CurrentY, 0);
    }
}

TEST_F(Canvas, APictureLandsWithItsTopLeftCornerAtThePoint)
{
    QPixmap note(10, 8);
    note.fill(Blue);
    struct Case {
        double scaleWidth;
        double x, y;
        QPoint corner;
    };
    const std::vector<Case> cases
        = { { 300, 20, 30, { 20, 30 } }, { 30, 2, 30, { 20, 30 } }, { 300, 295, 115, { 295, 115 } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scaleWidth);
        surface.SetScaleWidth(c.scaleWidth);
        surface.Cls();
        surface.PaintPicture(note, c.x, c.y);

        const QImage image = shown();
        const QRect onScreen = QRect(c.corner, note.size()).intersected(image.rect());
        EXPECT_EQ(image.pixelColor(onScreen.topLeft()), Blue);
        EXPECT_EQ(image.pixelColor(onScreen.bottomRight()), Blue);
        EXPECT_EQ(count(image, Blue), onScreen.width() * onScreen.height());
    }
}

// The pay-out screen copies the desktop in while drawing is retained, then switches it off and
// scatters banknotes: the desktop must stay underneath and the notes must show on top.
TEST_F(Canvas, RetainedDrawingStaysAsTheBackgroundWhenSwitchedOff)
{
    surface.SetAutoRedraw(true);
    QPixmap desktop(300, 120);
    desktop.fill(Red);
    surface.PaintPicture(desktop, 0, 0);
    surface.SetAutoRedraw(false);
    QPixmap note(10, 10);
    note.fill(Blue);
    surface.PaintPicture(note, 50, 50);
    surface.SetForeColor(Green);
    surface.Line(0, 55, 299, 55);

    QImage image = shown();
    EXPECT_EQ(image.pixelColor(5, 5), Red);
    EXPECT_EQ(image.pixelColor(52, 52), Blue);
    EXPECT_EQ(image.pixelColor(55, 55), Green);
    EXPECT_EQ(image.pixelColor(100, 55), Green);

    // Painted again, the same; cleared, only what was retained is left.
    EXPECT_EQ(shown(), image);
    surface.Cls();
    image = shown();
    EXPECT_EQ(count(image, Red), 300 * 120);
}

TEST_F(Canvas, SwitchingRetainedDrawingOnKeepsWhatIsShownUnderNewDrawing)
{
    surface.SetForeColor(Green);
    surface.Line(0, 10, 299, 10);
    surface.SetAutoRedraw(true);
    surface.SetForeColor(Red);
    surface.Line(100, 0, 100, 119);

    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(50, 10), Green);
    EXPECT_EQ(image.pixelColor(100, 10), Red);
    surface.Cls();
    EXPECT_EQ(count(shown(), Black), 300 * 120);
}

TEST_F(Canvas, DrawingKeepsUpWithAWindowThatGrows)
{
    surface.SetForeColor(Green);
    surface.PSet(10, 10);
    window.resize(500, 300);
    surface.PSet(450, 250);

    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(10, 10), Green);
    EXPECT_EQ(image.pixelColor(450, 250), Green);
}

// A chart of a single amount has nothing to scale by; nothing must be drawn at infinity.
TEST_F(Canvas, AnEmptyScaleOrAPointAtInfinityDrawsNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    surface.SetScaleWidth(0);
    surface.SetScaleHeight(nan);
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 300);
    EXPECT_DOUBLE_EQ(surface.ScaleHeight(), 120);

    surface.SetForeColor(Green);
    surface.Line(0, 0, inf, 5);
    surface.Line(nan, 0, 5, 5);
    surface.PSet(1e300, -1e300);
    EXPECT_EQ(count(shown(), Green), 0);

    surface.Line(0, 5, 9, 5);
    EXPECT_EQ(count(shown(), Green), 10);
}

// An amount far above the chart's top still draws the part of its line that is in the window.
TEST_F(Canvas, ALineToAFarAwayPointDrawsItsVisiblePart)
{
    surface.SetForeColor(Green);
    for (double far : { 1e7, 1e100, 1e300 }) {
        SCOPED_TRACE(far);
        surface.Cls();
        surface.Line(0, 60, far, 60);
        surface.Line(-far, 20, far, 20);
        surface.Line(150, -far, 150, far);
        const QImage image = shown();
        EXPECT_EQ(rowsIn(image, 299, Green), (std::vector<int> { 20, 60 }));
        EXPECT_EQ(count(image, Green), 300 + 300 + 120 - 2);
    }
}

} // namespace
