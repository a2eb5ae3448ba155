// The chart of the purse: where the red line of the starting amount and the green line of the
// history lie in the drawn window, and when the window stays empty.
#include "history/History.h"
#include "history/Penezenka.h"
#include "history/frmStatistika.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

class Chart : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
    }

    // The history is the run's one history: each chart starts it afresh.
    static void Record(std::int32_t start, const std::vector<std::int32_t>& amounts)
    {
        TheHistory() = History();
        PocatecniPenezenka = start;
        for (const std::int32_t amount : amounts)
            TheHistory().Zaloz(amount);
    }

    // A fresh chart with an inner area of the size; gives back what it shows.
    QImage Open(int width, int height)
    {
        chart = std::make_unique<frmStatistika>(platform);
        chart->resize(width, height);
        chart->Show();
        return chart->grab().toImage();
    }

    QImage Resize(int width, int height)
    {
        chart->resize(width, height);
        return chart->grab().toImage();
    }

    static std::vector<int> rowsIn(const QImage& image, int x, QColor colour)
    {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == colour)
                rows.push_back(y);
        return rows;
    }

    static bool blank(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != Qt::black)
                    return false;
        return true;
    }

    Platform platform;
    std::unique_ptr<frmStatistika> chart;
};

// On 300 x 120 pixels. A won game, 1000 then 1200 from 1000: the red line a sixth of the way down,
// the green one climbing from it to the top right. 1000, 1500, then all lost: the newest amount on
// the bottom edge, the best on the top, the oldest on the red line. After 500 more games the start
// (5000) has been dropped; above every amount held, its line lies above the top edge. Only lost
// games, 1000, 800, 600: the start is the best amount, and its red line and the first point lie on
// the top edge.
TEST_F(Chart, DrawsTheHistoryFromLeftToRightOverTheStartingAmount)
{
    std::vector<std::int32_t> capped { 5000 };
    for (std::int32_t game = 0; game < History::Kapacita; ++game)
        capped.push_back(1000 + game);
    struct Case {
        std::int32_t start;
        std::vector<std::int32_t> amounts;
        std::vector<int> redRows;
        std::vector<std::pair<int, int>> greenColumnRow;
    };
    const std::vector<Case> cases = {
        { 1000, { 1000, 1200 }, { 20 }, { { 0, 20 }, { 150, 10 }, { 299, 0 } } },
        { 1000, { 1000, 1500, 0 }, { 40 }, { { 0, 40 }, { 150, 0 }, { 225, 60 }, { 299, 119 } } },
        { 5000, capped, {}, { { 0, 40 }, { 299, 0 } } },
        { 1000, { 1000, 800, 600 }, { 0 }, { { 0, 0 }, { 150, 24 }, { 299, 48 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amounts.size());
        Record(c.start, c.amounts);
        const QImage image = Open(300, 120);
        EXPECT_EQ(rowsIn(image, 299, Red), c.redRows);
        for (const auto& [x, y] : c.greenColumnRow) {
            const std::vector<int> rows = rowsIn(image, x, Green);
            ASSERT_FALSE(rows.empty()) << "column " << x;
            EXPECT_NEAR((rows.front() + rows.back()) / 2.0, y, 1) << "column " << x;
        }
        EXPECT_EQ(rowsIn(image, 150, Green).size(), 2u) << "the purse line is 2 pixels wide";
        EXPECT_TRUE(c.start != 5000
            || chart->accessibleDescription().startsWith("Odehraných her 500, vyhraných 499, "
                                                         "prohraných 1. V peněžence na začátku 5000 korun"));
    }
}

TEST_F(Chart, StaysEmptyWithFewerThanTwoAmountsOrUnder600TwipsOuterHeight)
{
    for (const std::vector<std::int32_t>& amounts : { std::vector<std::int32_t> {}, { 1000 } }) {
        Record(1000, amounts);
        EXPECT_TRUE(blank(Open(300, 120))) << amounts.size() << " amounts";
    }
    Record(1000, { 1000, 1200 });
    Open(300, 120);
    const int frame = chart->frameGeometry().height() - chart->height();
    for (const auto& [outerPixels, drawn] : { std::pair { 39, false }, { 40, true }, { 39, false } }) {
        const QImage image = Resize(300, outerPixels - frame);
        ASSERT_EQ(chart->HeightTwips(), outerPixels * 15);
        EXPECT_EQ(blank(image), !drawn) << outerPixels * 15 << " twips";
    }
}

// Every resize clears the chart and draws it afresh to the new size.
TEST_F(Chart, ResizingStretchesTheChartToTheNewSize)
{
    Record(1000, { 1000, 1200 });
    Open(300, 120);
    QImage image = Resize(600, 240);
    EXPECT_EQ(rowsIn(image, 300, Red), std::vector<int> { 40 });
    EXPECT_EQ(rowsIn(image, 599, Red), std::vector<int> { 40 });
    EXPECT_EQ(image.pixelColor(599, 0), Green);

    image = Resize(400, 60);
    EXPECT_EQ(rowsIn(image, 399, Red), std::vector<int> { 10 });

    EXPECT_EQ(chart->accessibleDescription(),
        "Odehraných her 1, vyhraných 1, prohraných 0. V peněžence na začátku 1000 korun, nejvíce 1200 korun, "
        "nejméně 1000 korun, naposledy 1200 korun.");
    QTest::keyClick(chart.get(), Qt::Key_Escape);
    EXPECT_FALSE(chart->IsLoaded());
}

} // namespace
