// The pictures embedded in the game: their sizes, and the properties the table
// relies on when it cuts cards out of the deck and lays pictures on the cloth.
#include "history/Banknotes.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kCardW = 120;
constexpr int kCardH = 200;
constexpr int kCardsPerSuit = 8;
constexpr int kCards = 32;

const QRgb kTableGreen = qRgb(0, 128, 0);
const QRgb kInfoGreen = qRgb(0, 64, 0);

QImage picture(const QString& name)
{
    return QImage(QStringLiteral(":/") + name).convertToFormat(QImage::Format_ARGB32);
}

// The icons a desktop installs are in the source tree only; the program carries three of them.
QImage icon(int size)
{
    return QImage(QStringLiteral(IXA_ASSETS_DIR "/icon%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
}
constexpr std::array<int, 8> kIconSizes = { 16, 22, 24, 32, 48, 64, 128, 256 };
constexpr std::array<int, 3> kWindowIconSizes = { 16, 32, 64 };

QImage cardCell(const QImage& deck, int n)
{
    return deck.copy(kCardW * (n % kCardsPerSuit), kCardH * (n / kCardsPerSuit), kCardW, kCardH);
}

// How many pixels of two equally large pictures differ noticeably.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            if (d > 30)
                ++count;
        }
    return count;
}

std::vector<QPoint> borderOf(const QImage& image)
{
    std::vector<QPoint> points;
    for (int x = 0; x < image.width(); ++x) {
        points.emplace_back(x, 0);
        points.emplace_back(x, image.height() - 1);
    }
    for (int y = 1; y < image.height() - 1; ++y) {
        points.emplace_back(0, y);
        points.emplace_back(image.width() - 1, y);
    }
    return points;
}

struct Picture {
    const char* name;
    int width;
    int height;
};

// Each has a twin "name@2x.png" for screens of twice the pixel ratio.
// The banknotes' pictures, named by their values, follow below.
constexpr std::array<Picture, 4> kPictures = { {
    { "cards.png", 960, 800 },
    { "back.png", 120, 200 },
    { "revolver.png", 160, 300 },
    { "info.png", 180, 182 },
} };

QString note(std::size_t i)
{
    return QStringLiteral("note%1.png").arg(HodnotaBankovky[i]);
}

} // namespace

TEST(Artwork, EveryPictureHasItsExactSizeAndItsSharpTwinTwiceThat)
{
    for (const Picture& p : kPictures) {
        const QString name = QString::fromLatin1(p.name);
        EXPECT_EQ(picture(name).size(), QSize(p.width, p.height)) << p.name;
        const QString twin = name.chopped(4) + QStringLiteral("@2x.png");
        EXPECT_EQ(picture(twin).size(), QSize(2 * p.width, 2 * p.height)) << twin.toStdString();
    }
    for (const int size : kIconSizes)
        EXPECT_EQ(icon(size).size(), QSize(size, size)) << "icon" << size;
    for (const int size : kWindowIconSizes)
        EXPECT_EQ(picture(QStringLiteral("icon%1.png").arg(size)).size(), QSize(size, size)) << "icon" << size;
}

// A note's value is changed in history/Banknotes.h alone: the help text and the pictures' generator
// read it there; the pictures and the manual pages are held to it here.
TEST(Artwork, EveryBanknoteHasItsPictureInBothSizesAndTheManualPagesNameThemAll)
{
    QStringList values;
    for (std::size_t i = 0; i < HodnotaBankovky.size(); ++i) {
        const QSize size(160 + 5 * static_cast<int>(i), 80);
        EXPECT_EQ(picture(note(i)).size(), size) << note(i).toStdString();
        EXPECT_EQ(picture(note(i).chopped(4) + QStringLiteral("@2x.png")).size(), 2 * size);
        values << QString::number(HodnotaBankovky[i]);
    }
    const QString last = values.takeLast();
    for (const auto& [page, either] : { std::pair { "ixa.6", " or " }, { "ixa.cs.6", " nebo " } }) {
        QFile manual(QStringLiteral(IXA_ASSETS_DIR "/../dist/") + QLatin1String(page));
        ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << page;
        const QString named
            = values.join(QStringLiteral(", ")) + QLatin1String(either) + last + QStringLiteral("\\~Kč");
        EXPECT_TRUE(QString::fromUtf8(manual.readAll()).contains(named))
            << page << " should name " << named.toStdString();
    }
}

TEST(Artwork, RevolverStandsOnOpaqueTableGreenAlongItsWholeBorder)
{
    const QImage image = picture("revolver.png");
    ASSERT_FALSE(image.isNull());
    for (const QPoint corner : { QPoint(0, 0), QPoint(159, 0), QPoint(0, 299), QPoint(159, 299) })
        EXPECT_EQ(image.pixel(corner), kTableGreen) << corner.x() << ',' << corner.y();
    int wrong = 0;
    for (const QPoint& pt : borderOf(image))
        if (image.pixel(pt) != kTableGreen)
            ++wrong;
    EXPECT_EQ(wrong, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << "see-through at " << x << ',' << y;
}

TEST(Artwork, RevolverIsAPictureNotAnEmptyCloth)
{
    const QImage image = picture("revolver.png");
    ASSERT_FALSE(image.isNull());
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kTableGreen)
                ++drawn;
    const double share = double(drawn) / (image.width() * image.height());
    EXPECT_GT(share, 0.15);
    EXPECT_LT(share, 0.85); // and it still leaves the cloth around it
}

TEST(Artwork, EveryCardFaceDiffersFromEveryOther)
{
    const QImage deck = picture("cards.png");
    ASSERT_EQ(deck.size(), QSize(kCardW * kCardsPerSuit, kCardH * 4));
    std::vector<QImage> cells;
    for (int n = 0; n < kCards; ++n)
        cells.push_back(cardCell(deck, n));
    for (int a = 0; a < kCards; ++a)
        for (int b = a + 1; b < kCards; ++b)
            EXPECT_GT(differingPixels(cells[size_t(a)], cells[size_t(b)]), 300) << "cards " << a << " and " << b;
}

// On the table each card is half covered by the next one, so its top-left
// corner alone has to say which card it is.
TEST(Artwork, TheTopLeftCornerTellsEveryCardApart)
{
    const QImage deck = picture("cards.png");
    ASSERT_FALSE(deck.isNull());
    const QRect corner(2, 2, 24, 44);
    std::vector<QImage> corners;
    for (int n = 0; n < kCards; ++n)
        corners.push_back(cardCell(deck, n).copy(corner));
    for (int a = 0; a < kCards; ++a)
        for (int b = a + 1; b < kCards; ++b)
            EXPECT_GT(differingPixels(corners[size_t(a)], corners[size_t(b)]), 20) << "cards " << a << " and " << b;
}

TEST(Artwork, CardFacesAreLightCardsWithTheClothShowingAtTheirRoundedCorners)
{
    const QImage deck = picture("cards.png");
    ASSERT_FALSE(deck.isNull());
    for (int n = 0; n < kCards; ++n) {
        const QImage cell = cardCell(deck, n);
        for (const QPoint corner :
            { QPoint(0, 0), QPoint(kCardW - 1, 0), QPoint(0, kCardH - 1), QPoint(kCardW - 1, kCardH - 1) })
            EXPECT_EQ(cell.pixel(corner), kTableGreen) << "card " << n;
        // Just inside the edge the card itself shows, whatever is printed on it.
        const QColor edge = cell.pixelColor(kCardW / 2, 3);
        EXPECT_GT(edge.lightness(), 200) << "card " << n;
    }
    const QImage back = picture("back.png");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(0, 0), kTableGreen);
    EXPECT_EQ(back.pixel(kCardW - 1, kCardH - 1), kTableGreen);
    EXPECT_GT(back.pixelColor(kCardW / 2, 4).lightness(), 200);
    const QColor middle = back.pixelColor(kCardW / 2, kCardH / 2);
    EXPECT_GT(middle.blue(), middle.red());
}

TEST(Artwork, InfoPictureMergesIntoTheInfoWindowGreen)
{
    const QImage image = picture("info.png");
    ASSERT_FALSE(image.isNull());
    int wrong = 0;
    for (const QPoint& pt : borderOf(image))
        if (image.pixel(pt) != kInfoGreen)
            ++wrong;
    EXPECT_EQ(wrong, 0);
}

TEST(Artwork, EveryBanknoteHasItsOwnColour)
{
    std::vector<QColor> average;
    for (std::size_t i = 0; i < HodnotaBankovky.size(); ++i) {
        const QString name = note(i);
        const QImage image = picture(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 255)
                    continue;
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
                ++n;
            }
        ASSERT_GT(n, image.width() * image.height() / 2) << name.toStdString();
        average.push_back(QColor(int(r / n), int(g / n), int(b / n)));
    }
    for (size_t a = 0; a < average.size(); ++a)
        for (size_t b = a + 1; b < average.size(); ++b) {
            const QColor& p = average[a];
            const QColor& q = average[b];
            const double distance = std::hypot(p.red() - q.red(), p.green() - q.green(), p.blue() - q.blue());
            EXPECT_GT(distance, 25.0) << note(a).toStdString() << " and " << note(b).toStdString() << " look alike";
        }
}

TEST(Artwork, IconsAreOpaqueCardsOnATransparentGround)
{
    for (const int size : kIconSizes) {
        const QImage image = icon(size);
        ASSERT_FALSE(image.isNull()) << "icon" << size;
        const int last = image.width() - 1;
        EXPECT_EQ(qAlpha(image.pixel(0, last)), 0) << "icon" << size;
        EXPECT_EQ(qAlpha(image.pixel(last, 0)), 0) << "icon" << size;
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << "icon" << size;
    }
}
