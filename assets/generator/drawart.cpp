// Draws every picture of Ixa with QPainter and writes them as PNG files, and
// the icon also as an SVG file.
//
//   ixa-drawart [folder]     (default: the assets/ folder of the source tree)
//
// Everything is drawn from paths, gradients and text, so a picture can be
// changed by editing the code below and running the program again; the PNG
// files it writes are committed and embedded into the game. The banknotes'
// values are the game's own (history/Banknotes.h). The same code gives the
// same bytes, run after run, and a picture in the folder that is no longer
// drawn is named, and the run fails, since the game would ship it all the same.

#include "history/Banknotes.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QSvgGenerator>
#include <QTransform>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <utility>
#include <vector>

#ifndef IXA_ASSETS_DIR
#define IXA_ASSETS_DIR "assets"
#endif

namespace {

// ---------------------------------------------------------------------------
// Sizes and colours
// ---------------------------------------------------------------------------

constexpr int kCardW = 120;
constexpr int kCardH = 200;
constexpr int kDeckColumns = 8;
constexpr int kDeckRows = 4;
constexpr qreal kCardRadius = 7.0;

constexpr int kNoteH = 80;
constexpr int kRevolverW = 160;
constexpr int kRevolverH = 300;
constexpr int kInfoW = 180;
constexpr int kInfoH = 182;

namespace colour {
    // The table and the info window; pictures that sit on them use the same
    // colour outside the drawing so that no edge shows.
    const QColor tableGreen(0, 128, 0);
    const QColor infoGreen(0, 64, 0);

    const QColor cardFace(0xff, 0xfc, 0xf1);
    const QColor cardFaceShade(0xf4, 0xee, 0xdc);
    const QColor cardEdge(0x3c, 0x38, 0x32);
    const QColor ink(0x26, 0x1c, 0x14); // outlines of everything drawn on a card
    const QColor gold(0xe2, 0xb4, 0x2e);
    const QColor goldDeep(0x9a, 0x6c, 0x0c);
    const QColor goldLight(0xff, 0xe8, 0x8a);
    const QColor skin(0xf7, 0xd3, 0xae);
    const QColor skinShade(0xd9, 0xa5, 0x7c);
    const QColor backBlue(0x1d, 0x4f, 0xa8);

    const QColor leafLight(0x8f, 0xd0, 0x52);
    const QColor leafDeep(0x1f, 0x6e, 0x1f);
    const QColor leafInk(0x0f, 0x44, 0x12);
    const QColor leafVein(0x16, 0x55, 0x18);
    const QColor stem(0x6b, 0x4a, 0x1c);

    const QColor bellLight(0xff, 0xef, 0x8c);
    const QColor bellGold(0xf3, 0xc2, 0x1b);
    const QColor bellDeep(0xb0, 0x72, 0x00);
    const QColor bellBand(0xd3, 0x1f, 0x1f);
    const QColor bellInk(0x5e, 0x36, 0x00);

    const QColor heartLight(0xff, 0x6a, 0x5c);
    const QColor heartRed(0xdb, 0x16, 0x16);
    const QColor heartDeep(0x96, 0x05, 0x05);
    const QColor heartInk(0x5c, 0x00, 0x00);

    const QColor nutLight(0xf0, 0xb0, 0x5a);
    const QColor nutDeep(0x8e, 0x45, 0x10);
    const QColor capLight(0x9d, 0x93, 0x3e);
    const QColor capDeep(0x4b, 0x4a, 0x18);
    const QColor acornInk(0x38, 0x20, 0x08);

    const QColor gunDark(0x2c, 0x30, 0x35);
    const QColor gunMid(0x6c, 0x74, 0x7c);
    const QColor gunLight(0xd4, 0xda, 0xe0);
    const QColor woodDark(0x5a, 0x26, 0x0c);
    const QColor wood(0xa4, 0x55, 0x22);
    const QColor woodLight(0xd4, 0x8a, 0x4a);
    const QColor brassDark(0x7c, 0x5a, 0x14);
    const QColor brass(0xd8, 0xae, 0x46);
    const QColor brassLight(0xfb, 0xe6, 0x9a);
} // namespace colour

enum class Suit { Leaves, Bells, Hearts, Acorns };
enum class Rank { Ace, King, Ober, Unter, Ten, Nine, Eight, Seven };

constexpr std::array<Suit, 4> kSuits = { Suit::Leaves, Suit::Bells, Suit::Hearts, Suit::Acorns };
constexpr std::array<Rank, 8> kRanks
    = { Rank::Ace, Rank::King, Rank::Ober, Rank::Unter, Rank::Ten, Rank::Nine, Rank::Eight, Rank::Seven };

// ---------------------------------------------------------------------------
// Small helpers
// ---------------------------------------------------------------------------

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t), float(a.blueF() + (b.blueF() - a.blueF()) * t),
        float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QFont makeFont(const char* family, qreal pixelSize, int weight = QFont::Bold)
{
    QFont f(QString::fromLatin1(family));
    // Another face would stand in for a missing one, and the pictures would change with the machine.
    if (!QFontDatabase::hasFamily(f.family())) {
        std::fprintf(stderr, "the font %s is not installed; nothing was written\n", family);
        std::exit(1);
    }
    f.setPixelSize(qMax(1, int(std::lround(pixelSize))));
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPen inkPen(qreal width, const QColor& c = colour::ink)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Text as a path, centred on `centre`, so that it can be outlined and
// transformed like any other shape.
QPainterPath textPath(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

void fillWithHalo(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& halo, qreal haloWidth)
{
    p.strokePath(path, QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

// A picture w x h in logical pixels. At scale 2 it has twice as many pixels each way, for screens of
// twice the pixel ratio; the painter still draws in logical pixels.
QImage newImage(int w, int h, const QColor& background, QImage::Format format, int scale = 1)
{
    QImage image(w * scale, h * scale, format);
    image.fill(background);
    image.setDevicePixelRatio(scale);
    return image;
}

void beginPainting(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A limb or a rod: an ink outline around a rounded stroke of `fill`.
void drawLimb(QPainter& p, const QPainterPath& path, qreal width, const QColor& fill)
{
    p.strokePath(path, QPen(colour::ink, width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

QPainterPath smoothLine(QPointF a, QPointF control, QPointF b)
{
    QPainterPath path(a);
    path.quadTo(control, b);
    return path;
}

// ---------------------------------------------------------------------------
// Suit symbols. Each is drawn upright in a box 100 units high centred on the
// origin; drawSuit() scales it to the wanted height.
// ---------------------------------------------------------------------------

QPainterPath leafPath()
{
    QPainterPath leaf;
    leaf.moveTo(0, -48);
    leaf.cubicTo(12, -36, 40, -18, 40, 6);
    leaf.cubicTo(40, 26, 22, 36, 9, 30);
    leaf.cubicTo(5, 28, 2, 26, 0, 22);
    leaf.cubicTo(-2, 26, -5, 28, -9, 30);
    leaf.cubicTo(-22, 36, -40, 26, -40, 6);
    leaf.cubicTo(-40, -18, -12, -36, 0, -48);
    leaf.closeSubpath();
    return leaf;
}

QPainterPath leafVeins()
{
    QPainterPath veins;
    veins.moveTo(0, 24);
    veins.lineTo(0, -40);
    struct Vein {
        qreal y, reach, rise;
    };
    for (const Vein v : { Vein { 14, 30, 10 }, Vein { 0, 32, 12 }, Vein { -14, 25, 11 }, Vein { -27, 15, 9 } }) {
        for (int side : { -1, 1 }) {
            veins.moveTo(0, v.y);
            veins.quadTo(side * v.reach * 0.5, v.y - v.rise * 0.3, side * v.reach, v.y - v.rise);
        }
    }
    return veins;
}

void drawLeafSymbol(QPainter& p)
{
    drawLimb(p, smoothLine({ 0, 22 }, { 1, 38 }, { 5, 49 }), 4.5, colour::stem);
    const QPainterPath leaf = leafPath();
    QRadialGradient fill(QPointF(-12, -10), 60);
    fill.setColorAt(0, colour::leafLight);
    fill.setColorAt(1, colour::leafDeep);
    p.fillPath(leaf, fill);
    p.save();
    p.setClipPath(leaf);
    p.strokePath(leafVeins(), inkPen(2.6, colour::leafVein));
    p.strokePath(leafVeins().translated(-0.9, -0.9), inkPen(1.0, withAlpha(colour::leafLight, 150)));
    p.restore();
    p.strokePath(leaf, inkPen(3.0, colour::leafInk));
}

void drawBellSymbol(QPainter& p)
{
    // Hanging loop first, so the body covers its lower half.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::bellInk, 7.5));
    p.drawEllipse(QPointF(0, -37), 7, 7);
    p.setPen(QPen(colour::bellGold, 4));
    p.drawEllipse(QPointF(0, -37), 7, 7);

    const QPointF centre(0, 4);
    const qreal radius = 38;
    QPainterPath body;
    body.addEllipse(centre, radius, radius);
    QRadialGradient fill(QPointF(-13, -10), 56);
    fill.setColorAt(0, colour::bellLight);
    fill.setColorAt(0.45, colour::bellGold);
    fill.setColorAt(1, colour::bellDeep);
    p.fillPath(body, fill);

    p.save();
    p.setClipPath(body);
    QPainterPath band;
    band.moveTo(-42, -10);
    band.quadTo(0, 2, 42, -10);
    band.lineTo(42, 5);
    band.quadTo(0, 17, -42, 5);
    band.closeSubpath();
    QLinearGradient bandFill(0, -10, 0, 14);
    bandFill.setColorAt(0, colour::bellBand.lighter(130));
    bandFill.setColorAt(1, colour::bellBand.darker(130));
    p.fillPath(band, bandFill);
    p.strokePath(band, inkPen(2.0, colour::bellInk));
    p.restore();

    // The slit with its round ends runs up from the bottom, where the bell
    // ends in a little ball.
    QPainterPath slit;
    slit.moveTo(0, 14);
    slit.lineTo(0, 38);
    p.strokePath(slit, QPen(colour::bellInk, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::bellInk);
    p.drawEllipse(QPointF(0, 16), 4.4, 4.4);

    p.strokePath(body, inkPen(3.0, colour::bellInk));
    p.setPen(inkPen(2.0, colour::bellInk));
    p.setBrush(colour::bellGold);
    p.drawEllipse(QPointF(0, 44), 5, 5);
    // A highlight gives the bell its roundness.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 150));
    p.drawEllipse(QPointF(-15, -17), 7, 4.5);
}

QPainterPath heartPath()
{
    QPainterPath heart;
    heart.moveTo(0, -26);
    heart.cubicTo(8, -46, 43, -48, 43, -16);
    heart.cubicTo(43, 8, 16, 26, 0, 47);
    heart.cubicTo(-16, 26, -43, 8, -43, -16);
    heart.cubicTo(-43, -48, -8, -46, 0, -26);
    heart.closeSubpath();
    return heart;
}

void drawHeartSymbol(QPainter& p)
{
    const QPainterPath heart = heartPath();
    QRadialGradient fill(QPointF(-14, -18), 70);
    fill.setColorAt(0, colour::heartLight);
    fill.setColorAt(0.45, colour::heartRed);
    fill.setColorAt(1, colour::heartDeep);
    p.fillPath(heart, fill);
    p.strokePath(heart, inkPen(3.0, colour::heartInk));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 130));
    p.save();
    p.translate(-22, -24);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 9, 5);
    p.restore();
}

void drawAcornSymbol(QPainter& p)
{
    drawLimb(p, smoothLine({ 0, 28 }, { -1, 40 }, { -6, 49 }), 5.5, colour::stem);

    QPainterPath nut;
    nut.moveTo(0, -44);
    nut.cubicTo(19, -42, 28, -18, 26, 8);
    nut.lineTo(-26, 8);
    nut.cubicTo(-28, -18, -19, -42, 0, -44);
    nut.closeSubpath();
    QRadialGradient nutFill(QPointF(-9, -22), 48);
    nutFill.setColorAt(0, colour::nutLight);
    nutFill.setColorAt(1, colour::nutDeep);
    p.fillPath(nut, nutFill);
    p.strokePath(nut, inkPen(3.0, colour::acornInk));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 120));
    p.drawEllipse(QPointF(-10, -22), 4, 10);
    p.setBrush(colour::acornInk);
    p.drawEllipse(QPointF(0, -46), 3.2, 3.2);

    QPainterPath cap;
    cap.moveTo(-32, 2);
    cap.quadTo(0, -8, 32, 2);
    cap.cubicTo(33, 22, 16, 32, 0, 32);
    cap.cubicTo(-16, 32, -33, 22, -32, 2);
    cap.closeSubpath();
    QRadialGradient capFill(QPointF(-8, 4), 40);
    capFill.setColorAt(0, colour::capLight);
    capFill.setColorAt(1, colour::capDeep);
    p.fillPath(cap, capFill);
    // Scales of the cup: a lattice of short strokes.
    p.save();
    p.setClipPath(cap);
    const QPen scale = inkPen(1.6, withAlpha(colour::acornInk, 200));
    for (qreal d = -70; d <= 70; d += 8) {
        p.strokePath(polyline({ { d, -10 }, { d + 45, 40 } }), scale);
        p.strokePath(polyline({ { d, -10 }, { d - 45, 40 } }), scale);
    }
    p.restore();
    QPainterPath rim;
    rim.moveTo(-31, 2);
    rim.quadTo(0, -8, 31, 2);
    p.strokePath(rim, inkPen(3.0, colour::capLight.lighter(130)));
    p.strokePath(cap, inkPen(3.0, colour::acornInk));
}

void drawSuit(QPainter& p, Suit suit, QPointF centre, qreal height, qreal angle = 0)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(height / 100.0, height / 100.0);
    switch (suit) {
    case Suit::Leaves: drawLeafSymbol(p); break;
    case Suit::Bells: drawBellSymbol(p); break;
    case Suit::Hearts: drawHeartSymbol(p); break;
    case Suit::Acorns: drawAcornSymbol(p); break;
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// Card faces. Every card is drawn in a 120 x 200 box at the origin.
// ---------------------------------------------------------------------------

QRectF cardRect()
{
    return QRectF(0.5, 0.5, kCardW - 1.0, kCardH - 1.0);
}

void drawCardBlank(QPainter& p, const QColor& face = colour::cardFace)
{
    QPainterPath shape;
    shape.addRoundedRect(cardRect(), kCardRadius, kCardRadius);
    QLinearGradient fill(0, 0, kCardW, kCardH);
    fill.setColorAt(0, face);
    fill.setColorAt(1, mix(face, colour::cardFaceShade, 0.8));
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(colour::cardEdge, 1.0));
}

QColor indexColour(Suit suit)
{
    switch (suit) {
    case Suit::Leaves: return QColor(0x12, 0x5c, 0x16);
    case Suit::Bells: return QColor(0xa8, 0x5a, 0x00);
    case Suit::Hearts: return QColor(0xc4, 0x0c, 0x0c);
    case Suit::Acorns: return QColor(0x5a, 0x32, 0x10);
    }
    return colour::ink;
}

QString rankMark(Rank rank)
{
    switch (rank) {
    case Rank::Ace: return QStringLiteral("A");
    case Rank::King: return QStringLiteral("K");
    case Rank::Ober: return QStringLiteral("Sv");
    case Rank::Unter: return QStringLiteral("Sp");
    case Rank::Ten: return QStringLiteral("10");
    case Rank::Nine: return QStringLiteral("9");
    case Rank::Eight: return QStringLiteral("8");
    case Rank::Seven: return QStringLiteral("7");
    }
    return {};
}

// The corner index: the rank mark over a small suit symbol. Cards lie half
// covered on the table, so this is what the player mostly reads.
constexpr qreal kIndexCentreX = 13.0;
constexpr qreal kIndexMarkY = 15.0;
constexpr qreal kIndexMarkHeight = 19.0;
constexpr qreal kIndexMaxWidth = 21.0;
constexpr qreal kIndexSuitY = 35.5;
constexpr qreal kIndexSuitHeight = 16.0;

void drawIndex(QPainter& p, Suit suit, Rank rank)
{
    QFont font = makeFont("Liberation Sans", 22, QFont::Bold);
    QPainterPath mark = textPath(rankMark(rank), font, { 0, 0 });
    const QRectF box = mark.boundingRect();
    const qreal sy = kIndexMarkHeight / box.height();
    const qreal sx = qMin(sy, kIndexMaxWidth / box.width());
    mark = QTransform::fromScale(sx, sy).map(mark);
    mark.translate(QPointF(kIndexCentreX, kIndexMarkY) - mark.boundingRect().center());
    p.fillPath(mark, indexColour(suit));
    drawSuit(p, suit, { kIndexCentreX, kIndexSuitY }, kIndexSuitHeight);
}

void drawBothIndices(QPainter& p, Suit suit, Rank rank)
{
    drawIndex(p, suit, rank);
    p.save();
    p.translate(kCardW, kCardH);
    p.rotate(180);
    drawIndex(p, suit, rank);
    p.restore();
}

// Pips of the number cards, in two columns with the middle column between.
constexpr qreal kPipHeight = 28.0;
constexpr qreal kPipLeft = 37.0;
constexpr qreal kPipRight = 83.0;
constexpr qreal kPipMiddle = 60.0;
constexpr qreal kPipTop = 36.0;
constexpr qreal kPipBottom = 164.0;

std::vector<QPointF> pipLayout(Rank rank)
{
    const qreal span = kPipBottom - kPipTop;
    const auto row = [&](qreal fraction) { return kPipTop + span * fraction; };
    std::vector<QPointF> pips;
    const auto columns = [&](std::initializer_list<qreal> rows) {
        for (qreal f : rows) {
            pips.emplace_back(kPipLeft, row(f));
            pips.emplace_back(kPipRight, row(f));
        }
    };
    const auto middle = [&](std::initializer_list<qreal> rows) {
        for (qreal f : rows)
            pips.emplace_back(kPipMiddle, row(f));
    };
    switch (rank) {
    case Rank::Seven:
        columns({ 0, 1 });
        middle({ 0.19, 0.5, 0.81 });
        break;
    case Rank::Eight:
        columns({ 0, 0.5, 1 });
        middle({ 0.25, 0.75 });
        break;
    case Rank::Nine:
        columns({ 0, 1.0 / 3, 2.0 / 3, 1 });
        middle({ 0.5 });
        break;
    case Rank::Ten:
        columns({ 0, 1.0 / 3, 2.0 / 3, 1 });
        middle({ 1.0 / 6, 5.0 / 6 });
        break;
    default: break;
    }
    return pips;
}

void drawNumberCard(QPainter& p, Suit suit, Rank rank)
{
    for (const QPointF& pip : pipLayout(rank)) {
        // Like on real cards the lower half is printed the other way up.
        const qreal angle = pip.y() > kCardH / 2.0 + 1 ? 180 : 0;
        drawSuit(p, suit, pip, kPipHeight, angle);
    }
}

// A decorative curl made of two bezier segments, used on the aces.
void drawFlourish(QPainter& p, QPointF at, qreal size, bool mirrored, const QColor& c)
{
    p.save();
    p.translate(at);
    p.scale(mirrored ? -size : size, size);
    QPainterPath curl;
    curl.moveTo(0, 0);
    curl.cubicTo(6, -6, 16, -6, 18, 0);
    curl.cubicTo(20, 6, 12, 10, 8, 6);
    curl.cubicTo(5, 3, 8, -1, 11, 1);
    p.setPen(QPen(c, 2.2 / size, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
    p.restore();
}

void drawAceCard(QPainter& p, Suit suit)
{
    const QPointF centre(kCardW / 2.0, 94);
    const QRectF oval(centre.x() - 40, centre.y() - 62, 80, 124);

    QRadialGradient glow(centre, 64);
    glow.setColorAt(0, QColor(0xff, 0xf6, 0xd0));
    glow.setColorAt(1, QColor(0xf3, 0xdd, 0x9a));
    p.setBrush(glow);
    p.setPen(QPen(colour::goldDeep, 2.2));
    p.drawEllipse(oval);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::gold, 1.2));
    p.drawEllipse(oval.adjusted(4, 4, -4, -4));
    // A ring of beads around the emblem.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::goldDeep);
    for (int i = 0; i < 40; ++i) {
        const qreal t = 2 * std::numbers::pi * i / 40;
        p.drawEllipse(QPointF(centre.x() + 37.5 * std::cos(t), centre.y() + 59.5 * std::sin(t)), 0.9, 0.9);
    }

    for (bool mirrored : { false, true }) {
        const qreal side = mirrored ? -1 : 1;
        drawFlourish(p, { centre.x() + side * 6, oval.top() - 3 }, 1.0, mirrored, colour::goldDeep);
        drawFlourish(p, { centre.x() + side * 4, oval.bottom() + 20 }, 0.9, mirrored, colour::goldDeep);
    }

    drawSuit(p, suit, centre, 76);

    // A ribbon across the foot of the oval carries the name of the card.
    const QRectF ribbon(centre.x() - 30, oval.bottom() - 6, 60, 15);
    QPainterPath band;
    band.moveTo(ribbon.topLeft());
    band.quadTo(centre.x(), ribbon.top() + 5, ribbon.right(), ribbon.top());
    band.lineTo(ribbon.right(), ribbon.bottom());
    band.quadTo(centre.x(), ribbon.bottom() + 5, ribbon.left(), ribbon.bottom());
    band.closeSubpath();
    for (int side : { -1, 1 }) {
        const qreal x = side < 0 ? ribbon.left() : ribbon.right();
        QPainterPath tail;
        tail.moveTo(x, ribbon.top() + 3);
        tail.lineTo(x + side * 9, ribbon.top() + 4);
        tail.lineTo(x + side * 5, ribbon.top() + 10);
        tail.lineTo(x + side * 9, ribbon.bottom() + 4);
        tail.lineTo(x, ribbon.bottom() + 2);
        tail.closeSubpath();
        p.fillPath(tail, indexColour(suit).darker(130));
        p.strokePath(tail, inkPen(1.0));
    }
    p.fillPath(band, indexColour(suit));
    p.strokePath(band, inkPen(1.0));
    p.fillPath(textPath(QStringLiteral("ESO"), makeFont("DejaVu Serif", 11), { centre.x(), ribbon.center().y() + 2.5 }),
        QColor(0xff, 0xf4, 0xd0));
}

// ---------------------------------------------------------------------------
// Figures: king, ober and unter. They stand in a framed picture; the frame
// is 72 x 184 and everything in the drawFigure* functions uses its units.
// ---------------------------------------------------------------------------

constexpr QRectF kFigureFrame(24, 8, 72, 184);

struct Costume {
    QColor main;
    QColor second;
    QColor beard;
};

Costume costumeOf(Suit suit)
{
    switch (suit) {
    case Suit::Leaves: return { QColor(0x2f, 0x85, 0x34), QColor(0xf0, 0xc0, 0x3c), QColor(0xe8, 0xe4, 0xdc) };
    case Suit::Bells: return { QColor(0xe0, 0x8a, 0x1e), QColor(0x2a, 0x58, 0xa8), QColor(0x8a, 0x55, 0x25) };
    case Suit::Hearts: return { QColor(0xc8, 0x22, 0x22), QColor(0xf2, 0xcf, 0x4c), QColor(0xf5, 0xf2, 0xea) };
    case Suit::Acorns: return { QColor(0x35, 0x4f, 0xa0), QColor(0xb8, 0x6a, 0x24), QColor(0x4e, 0x30, 0x18) };
    }
    return {};
}

void fillShape(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal outline = 1.0)
{
    p.fillPath(path, brush);
    p.strokePath(path, inkPen(outline));
}

QLinearGradient sideLit(qreal left, qreal right, const QColor& c)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, c.lighter(125));
    g.setColorAt(0.55, c);
    g.setColorAt(1, c.darker(140));
    return g;
}

void drawFace(QPainter& p, QPointF c, qreal r)
{
    QRadialGradient skin(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    skin.setColorAt(0, colour::skin);
    skin.setColorAt(1, colour::skinShade);
    QPainterPath head;
    head.addEllipse(c, r * 0.9, r);
    fillShape(p, head, skin);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(c + QPointF(-r * 0.36, -r * 0.1), r * 0.13, r * 0.16);
    p.drawEllipse(c + QPointF(r * 0.36, -r * 0.1), r * 0.13, r * 0.16);
    p.setBrush(withAlpha(QColor(0xe0, 0x60, 0x50), 90));
    p.drawEllipse(c + QPointF(-r * 0.5, r * 0.3), r * 0.22, r * 0.15);
    p.drawEllipse(c + QPointF(r * 0.5, r * 0.3), r * 0.22, r * 0.15);
    p.strokePath(smoothLine(c + QPointF(0, -r * 0.05), c + QPointF(-r * 0.22, r * 0.3), c + QPointF(0, r * 0.35)),
        inkPen(0.8, colour::skinShade.darker(150)));
}

void drawMouth(QPainter& p, QPointF c, qreal r)
{
    p.strokePath(smoothLine(c + QPointF(-r * 0.22, r * 0.58), c + QPointF(0, r * 0.7), c + QPointF(r * 0.22, r * 0.58)),
        inkPen(0.9, QColor(0xa0, 0x30, 0x28)));
}

void drawMoustache(QPainter& p, QPointF c, qreal r, const QColor& hair)
{
    QPainterPath m;
    m.moveTo(c + QPointF(0, r * 0.45));
    m.cubicTo(c + QPointF(-r * 0.3, r * 0.3), c + QPointF(-r * 0.7, r * 0.5), c + QPointF(-r * 0.8, r * 0.7));
    m.cubicTo(c + QPointF(-r * 0.5, r * 0.62), c + QPointF(-r * 0.25, r * 0.62), c + QPointF(0, r * 0.55));
    m.cubicTo(c + QPointF(r * 0.25, r * 0.62), c + QPointF(r * 0.5, r * 0.62), c + QPointF(r * 0.8, r * 0.7));
    m.cubicTo(c + QPointF(r * 0.7, r * 0.5), c + QPointF(r * 0.3, r * 0.3), c + QPointF(0, r * 0.45));
    fillShape(p, m, hair, 0.6);
}

void drawBeard(QPainter& p, QPointF c, qreal r, qreal length, const QColor& hair)
{
    QPainterPath beard;
    beard.moveTo(c + QPointF(-r * 0.9, -r * 0.1));
    beard.cubicTo(c + QPointF(-r * 0.95, r * 0.9), c + QPointF(-r * 0.5, length * 0.7), c + QPointF(0, length));
    beard.cubicTo(c + QPointF(r * 0.5, length * 0.7), c + QPointF(r * 0.95, r * 0.9), c + QPointF(r * 0.9, -r * 0.1));
    beard.cubicTo(c + QPointF(r * 0.7, r * 0.5), c + QPointF(r * 0.4, r * 0.55), c + QPointF(0, r * 0.5));
    beard.cubicTo(c + QPointF(-r * 0.4, r * 0.55), c + QPointF(-r * 0.7, r * 0.5), c + QPointF(-r * 0.9, -r * 0.1));
    QLinearGradient g(c.x(), c.y(), c.x(), c.y() + length);
    g.setColorAt(0, hair.lighter(110));
    g.setColorAt(1, hair.darker(125));
    fillShape(p, beard, g, 0.8);
    // Strands.
    const QPen strand = inkPen(0.5, hair.darker(170));
    for (qreal dx : { -0.45, 0.0, 0.45 })
        p.strokePath(smoothLine(c + QPointF(dx * r, r * 0.8), c + QPointF(dx * r * 0.9, length * 0.8),
                         c + QPointF(dx * r * 0.3, length - 2)),
            strand);
}

void drawCrown(QPainter& p, QPointF baseCentre, qreal width, qreal height)
{
    const qreal l = baseCentre.x() - width / 2;
    const qreal r = baseCentre.x() + width / 2;
    const qreal y = baseCentre.y();
    QPainterPath crown;
    crown.moveTo(l, y);
    crown.lineTo(l - 1, y - height);
    crown.lineTo(l + width * 0.25, y - height * 0.5);
    crown.lineTo(baseCentre.x(), y - height * 1.15);
    crown.lineTo(r - width * 0.25, y - height * 0.5);
    crown.lineTo(r + 1, y - height);
    crown.lineTo(r, y);
    crown.closeSubpath();
    QLinearGradient g(0, y - height, 0, y);
    g.setColorAt(0, colour::goldLight);
    g.setColorAt(1, colour::goldDeep);
    fillShape(p, crown, g, 0.9);
    p.setPen(inkPen(0.7));
    p.setBrush(colour::goldLight);
    for (QPointF tip :
        { QPointF(l - 1, y - height), QPointF(baseCentre.x(), y - height * 1.15), QPointF(r + 1, y - height) })
        p.drawEllipse(tip, 1.5, 1.5);
    p.fillRect(QRectF(l, y - 3.2, width, 3.2), colour::gold.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x10, 0x20));
    p.drawEllipse(QPointF(baseCentre.x(), y - 1.6), 1.5, 1.3);
    p.setBrush(QColor(0x20, 0x60, 0xd0));
    p.drawEllipse(QPointF(l + 3, y - 1.6), 1.2, 1.1);
    p.drawEllipse(QPointF(r - 3, y - 1.6), 1.2, 1.1);
}

void drawFigureBackground(QPainter& p, const Costume& costume)
{
    const QRectF frame(0, 0, kFigureFrame.width(), kFigureFrame.height());
    QLinearGradient sky(0, 0, 0, frame.height());
    sky.setColorAt(0, mix(costume.main, Qt::white, 0.8));
    sky.setColorAt(0.82, QColor(0xfb, 0xf6, 0xe6));
    p.fillRect(frame, sky);
    // A tiled floor under the feet.
    const qreal floorTop = frame.height() - 18;
    p.fillRect(QRectF(0, floorTop, frame.width(), 18), mix(costume.second, QColor(0xf0, 0xe6, 0xd0), 0.7));
    p.setPen(QPen(withAlpha(colour::ink, 70), 0.6));
    for (qreal x = -20; x < frame.width() + 20; x += 9)
        p.drawLine(QPointF(x, floorTop), QPointF(x + (x - frame.width() / 2) * 0.4, frame.height()));
    p.drawLine(QPointF(0, floorTop + 7), QPointF(frame.width(), floorTop + 7));
    p.drawLine(QPointF(0, floorTop), QPointF(frame.width(), floorTop));
}

void drawFigureFrame(QPainter& p, const Costume& costume)
{
    const QRectF frame(0, 0, kFigureFrame.width(), kFigureFrame.height());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(costume.main.darker(130), 1.6));
    p.drawRect(frame);
    p.setPen(QPen(colour::gold, 0.8));
    p.drawRect(frame.adjusted(-2, -2, 2, 2));
}

void drawKing(QPainter& p, Suit suit, const Costume& costume)
{
    // The throne.
    QPainterPath back;
    back.moveTo(9, 140);
    back.lineTo(9, 40);
    back.quadTo(9, 22, 36, 20);
    back.quadTo(63, 22, 63, 40);
    back.lineTo(63, 140);
    back.closeSubpath();
    fillShape(p, back, QColor(0x8a, 0x4a, 0x1e), 1.0);
    QPainterPath velvet;
    velvet.addRoundedRect(QRectF(14, 30, 44, 100), 14, 14);
    QLinearGradient velvetFill(14, 0, 58, 0);
    velvetFill.setColorAt(0, QColor(0x6c, 0x12, 0x1c));
    velvetFill.setColorAt(0.5, QColor(0xa8, 0x24, 0x30));
    velvetFill.setColorAt(1, QColor(0x5a, 0x0c, 0x16));
    fillShape(p, velvet, velvetFill, 0.8);
    p.setPen(inkPen(0.8));
    p.setBrush(colour::gold);
    p.drawEllipse(QPointF(9, 38), 3.2, 3.2);
    p.drawEllipse(QPointF(63, 38), 3.2, 3.2);
    QPainterPath seat;
    seat.addRect(QRectF(5, 126, 62, 10));
    fillShape(p, seat, QColor(0x9c, 0x58, 0x24));
    for (qreal x : { 7.0, 59.0 }) {
        QPainterPath leg;
        leg.addRect(QRectF(x, 136, 6, 30));
        fillShape(p, leg, QColor(0x7a, 0x40, 0x16));
    }

    // The robe over the lap and down to the feet.
    QPainterPath robe;
    robe.moveTo(24, 58);
    robe.lineTo(48, 58);
    robe.cubicTo(56, 64, 61, 98, 61, 124);
    robe.lineTo(56, 163);
    robe.lineTo(16, 163);
    robe.lineTo(11, 124);
    robe.cubicTo(11, 98, 16, 64, 24, 58);
    robe.closeSubpath();
    fillShape(p, robe, sideLit(11, 61, costume.main));
    // The lap: a fold across the knees.
    p.strokePath(smoothLine({ 13, 122 }, { 36, 130 }, { 59, 122 }), inkPen(0.8, costume.main.darker(160)));
    // Ermine: down the front and along the hem.
    const auto ermine = [&](const QRectF& r) {
        QPainterPath strip;
        strip.addRect(r);
        fillShape(p, strip, QColor(0xfb, 0xfa, 0xf4), 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(colour::ink);
        for (qreal y = r.top() + 3; y < r.bottom() - 1; y += 6)
            for (qreal x = r.left() + 2.5; x < r.right() - 1; x += 5)
                p.drawEllipse(QPointF(x + (int(y) % 2), y), 0.6, 1.1);
    };
    ermine(QRectF(33, 64, 6, 95));
    ermine(QRectF(16, 157, 40, 6));
    // Shoes peeping out.
    p.setPen(inkPen(0.8));
    p.setBrush(QColor(0x3a, 0x22, 0x14));
    p.drawEllipse(QPointF(27, 165), 6, 2.6);
    p.drawEllipse(QPointF(45, 165), 6, 2.6);

    // Ermine cape over the shoulders.
    QPainterPath cape;
    cape.moveTo(20, 62);
    cape.quadTo(36, 48, 52, 62);
    cape.quadTo(54, 72, 50, 74);
    cape.quadTo(36, 80, 22, 74);
    cape.quadTo(18, 72, 20, 62);
    cape.closeSubpath();
    fillShape(p, cape, QColor(0xfb, 0xfa, 0xf4), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    for (QPointF dot : { QPointF(26, 66), QPointF(32, 71), QPointF(40, 71), QPointF(46, 66), QPointF(36, 64) })
        p.drawEllipse(dot, 0.7, 1.2);

    // Arms: the left one holds the suit symbol on the lap, the right one
    // the sceptre.
    drawLimb(p, polyline({ { 22, 68 }, { 15, 92 }, { 22, 108 } }), 7.5, costume.main.darker(110));
    drawLimb(p, polyline({ { 50, 68 }, { 57, 92 }, { 52, 100 } }), 7.5, costume.main.darker(110));
    drawLimb(p, polyline({ { 50, 128 }, { 60, 36 } }), 2.4, colour::gold);
    p.setPen(inkPen(0.8));
    p.setBrush(colour::gold);
    p.drawEllipse(QPointF(60.3, 33), 3.4, 3.4);
    p.drawLine(QPointF(60.3, 27), QPointF(60.3, 30));
    p.drawLine(QPointF(58.5, 28.2), QPointF(62.1, 28.2));
    p.setBrush(colour::skin);
    p.drawEllipse(QPointF(52.5, 99), 3.2, 3.2);
    drawSuit(p, suit, { 24, 104 }, 22);
    p.setBrush(colour::skin);
    p.drawEllipse(QPointF(16.5, 110), 3.0, 3.0);

    // Head, crown and beard.
    const QPointF head(36, 42);
    drawFace(p, head, 9);
    drawMouth(p, head, 9);
    drawBeard(p, head, 9, 29, costume.beard);
    drawMoustache(p, head, 9, costume.beard.darker(110));
    QPainterPath hair;
    hair.moveTo(27.5, 38);
    hair.quadTo(26, 48, 28, 52);
    hair.lineTo(29.5, 40);
    hair.moveTo(44.5, 38);
    hair.quadTo(46, 48, 44, 52);
    hair.lineTo(42.5, 40);
    fillShape(p, hair, costume.beard, 0.6);
    drawCrown(p, { 36, 35 }, 19, 12);
}

void drawStandingBody(QPainter& p, const Costume& costume, qreal shoulderY, qreal hemY)
{
    // Legs in hose and pointed shoes.
    for (qreal x : { 27.0, 37.0 }) {
        QPainterPath leg;
        leg.addRoundedRect(QRectF(x, hemY - 4, 8, 166 - hemY), 3, 3);
        fillShape(p, leg, sideLit(x, x + 8, costume.second));
    }
    p.setPen(inkPen(0.8));
    p.setBrush(QColor(0x33, 0x22, 0x18));
    QPainterPath shoes;
    shoes.moveTo(22, 170);
    shoes.quadTo(26, 163, 34, 164);
    shoes.lineTo(35, 170);
    shoes.closeSubpath();
    shoes.moveTo(50, 170);
    shoes.quadTo(46, 163, 38, 164);
    shoes.lineTo(37, 170);
    shoes.closeSubpath();
    p.drawPath(shoes);

    // Doublet with a flared skirt.
    const qreal waist = shoulderY + (hemY - shoulderY) * 0.62;
    QPainterPath coat;
    coat.moveTo(23, shoulderY);
    coat.lineTo(49, shoulderY);
    coat.cubicTo(50, shoulderY + 14, 46, waist - 10, 45, waist);
    coat.lineTo(52, hemY);
    coat.quadTo(36, hemY + 4, 20, hemY);
    coat.lineTo(27, waist);
    coat.cubicTo(26, waist - 10, 22, shoulderY + 14, 23, shoulderY);
    coat.closeSubpath();
    fillShape(p, coat, sideLit(20, 52, costume.main));
    // Slashed sleeves and front in the second colour.
    p.save();
    p.setClipPath(coat);
    p.setPen(QPen(costume.second, 2.0));
    for (qreal x : { 30.0, 42.0 })
        p.drawLine(QPointF(x, shoulderY + 6), QPointF(x + (x - 36) * 0.1, waist - 3));
    p.restore();
    p.strokePath(polyline({ { 36, shoulderY + 2 }, { 36, hemY + 2 } }), inkPen(0.7, costume.main.darker(170)));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::goldLight);
    for (qreal y = shoulderY + 6; y < waist - 2; y += 6)
        p.drawEllipse(QPointF(36, y), 1.1, 1.1);
    // Belt and buckle.
    QPainterPath belt;
    belt.addRect(QRectF(26, waist - 2, 20, 4));
    fillShape(p, belt, QColor(0x4a, 0x2c, 0x16), 0.6);
    p.setPen(inkPen(0.6));
    p.setBrush(colour::gold);
    p.drawRect(QRectF(34, waist - 2.5, 4, 5));
    // Ruff collar.
    p.setBrush(QColor(0xfb, 0xfa, 0xf4));
    p.setPen(inkPen(0.6));
    for (qreal x = 28; x <= 44; x += 4)
        p.drawEllipse(QPointF(x, shoulderY), 2.6, 2.2);
}

// The ober and the unter are drawn facing the other way and mirrored onto the
// card, so that the suit symbol they hold (high for the ober, low for the
// unter) ends up on the left half, which stays visible when cards overlap.
// Each returns where its hand holds the symbol.
constexpr qreal kHeldSymbolHeight = 24;

QPointF drawOber(QPainter& p, const Costume& costume)
{
    // Cape behind the body.
    QPainterPath cape;
    cape.moveTo(24, 62);
    cape.cubicTo(12, 80, 8, 120, 12, 144);
    cape.quadTo(20, 150, 28, 142);
    cape.lineTo(30, 70);
    cape.closeSubpath();
    fillShape(p, cape, sideLit(8, 30, costume.second.darker(115)));

    // Sword hanging at the left hip.
    drawLimb(p, polyline({ { 24, 112 }, { 10, 154 } }), 2.4, QColor(0xc8, 0xcc, 0xd2));
    drawLimb(p, polyline({ { 20, 106 }, { 30, 112 } }), 1.8, colour::gold);

    drawStandingBody(p, costume, 62, 128);

    // The arm raised high with the suit symbol, the other at the sword.
    drawLimb(p, polyline({ { 47, 65 }, { 58, 52 }, { 57, 34 } }), 7, costume.main.darker(105));
    drawLimb(p, polyline({ { 25, 65 }, { 17, 86 }, { 24, 104 } }), 7, costume.main.darker(105));
    p.setPen(inkPen(0.8));
    p.setBrush(colour::skin);
    p.drawEllipse(QPointF(24.5, 105), 3.0, 3.0);
    p.drawEllipse(QPointF(57, 31), 3.0, 3.0);

    // Head with a feathered beret.
    const QPointF head(35, 48);
    QPainterPath hairBack;
    hairBack.addEllipse(head + QPointF(0, -1), 9.5, 9.5);
    fillShape(p, hairBack, QColor(0x6a, 0x3a, 0x18), 0.7);
    drawFace(p, head, 8.5);
    drawMouth(p, head, 8.5);
    drawBeard(p, head, 8.5, 15, QColor(0x7a, 0x46, 0x1e));
    drawMoustache(p, head, 8.5, QColor(0x6a, 0x3a, 0x18));
    QPainterPath feather;
    feather.moveTo(30, 38);
    feather.cubicTo(20, 30, 14, 24, 12, 14);
    feather.cubicTo(20, 18, 28, 26, 34, 36);
    feather.closeSubpath();
    fillShape(p, feather, QColor(0xfb, 0xfa, 0xf4), 0.7);
    p.strokePath(smoothLine({ 31, 37 }, { 20, 28 }, { 13, 16 }), inkPen(0.5, colour::ink));
    QPainterPath beret;
    beret.moveTo(23, 42);
    beret.cubicTo(22, 30, 46, 28, 48, 40);
    beret.quadTo(36, 38, 23, 42);
    beret.closeSubpath();
    fillShape(p, beret, sideLit(22, 48, costume.second), 0.8);
    p.strokePath(smoothLine({ 24, 41 }, { 36, 37 }, { 47, 40 }), inkPen(1.6, costume.main));
    return { 56, 17 };
}

QPointF drawUnter(QPainter& p, const Costume& costume)
{
    // A halberd held upright at the left.
    drawLimb(p, polyline({ { 11, 14 }, { 11, 170 } }), 2.2, QColor(0x8a, 0x5a, 0x2a));
    QPainterPath blade;
    blade.moveTo(11, 6);
    blade.lineTo(13, 16);
    blade.lineTo(21, 14);
    blade.quadTo(23, 22, 21, 30);
    blade.lineTo(13, 26);
    blade.lineTo(11, 30);
    blade.lineTo(9, 24);
    blade.lineTo(4, 22);
    blade.lineTo(9, 18);
    blade.closeSubpath();
    fillShape(p, blade, sideLit(4, 23, QColor(0xc8, 0xcc, 0xd2)), 0.8);

    drawStandingBody(p, costume, 56, 122);

    // One hand on the halberd, the other holding the suit symbol low.
    drawLimb(p, polyline({ { 25, 60 }, { 17, 78 }, { 13, 88 } }), 7, costume.main.darker(105));
    drawLimb(p, polyline({ { 47, 60 }, { 53, 86 }, { 56, 118 } }), 7, costume.main.darker(105));
    p.setPen(inkPen(0.8));
    p.setBrush(colour::skin);
    p.drawEllipse(QPointF(12.5, 89), 3.0, 3.0);
    p.drawEllipse(QPointF(56, 121), 3.0, 3.0);

    // Young, clean-shaven, in a simple cap.
    const QPointF head(36, 42);
    QPainterPath hair;
    hair.addEllipse(head + QPointF(0, -1), 9.5, 9.0);
    fillShape(p, hair, QColor(0xc0, 0x8a, 0x3c), 0.7);
    drawFace(p, head, 8.5);
    drawMouth(p, head, 8.5);
    QPainterPath cap;
    cap.moveTo(26, 39);
    cap.cubicTo(26, 27, 46, 27, 46, 39);
    cap.quadTo(36, 35, 26, 39);
    cap.closeSubpath();
    fillShape(p, cap, sideLit(26, 46, costume.second), 0.8);
    p.setPen(inkPen(0.6));
    p.setBrush(costume.main);
    p.drawEllipse(QPointF(36, 29.5), 2, 2);
    return { 56, 141 };
}

void drawFigureCard(QPainter& p, Suit suit, Rank rank)
{
    const Costume costume = costumeOf(suit);
    p.save();
    p.translate(kFigureFrame.topLeft());
    drawFigureBackground(p, costume);
    p.save();
    p.setClipRect(QRectF(0, 0, kFigureFrame.width(), kFigureFrame.height()));
    if (rank == Rank::King) {
        drawKing(p, suit, costume);
    } else {
        // The symbol is drawn unmirrored so that its light falls like on
        // every other symbol of the card.
        const QTransform mirror = QTransform(-1, 0, 0, 1, kFigureFrame.width(), 0);
        p.save();
        p.setTransform(mirror, true);
        const QPointF hand = rank == Rank::Ober ? drawOber(p, costume) : drawUnter(p, costume);
        p.restore();
        drawSuit(p, suit, mirror.map(hand), kHeldSymbolHeight);
    }
    p.restore();
    drawFigureFrame(p, costume);
    p.restore();
}

void paintCard(QPainter& p, Suit suit, Rank rank)
{
    drawCardBlank(p);
    switch (rank) {
    case Rank::Ace: drawAceCard(p, suit); break;
    case Rank::King:
    case Rank::Ober:
    case Rank::Unter: drawFigureCard(p, suit, rank); break;
    default: drawNumberCard(p, suit, rank); break;
    }
    drawBothIndices(p, suit, rank);
}

void paintCardBack(QPainter& p)
{
    QPainterPath shape;
    shape.addRoundedRect(cardRect(), kCardRadius, kCardRadius);
    p.fillPath(shape, Qt::white);
    p.strokePath(shape, QPen(colour::cardEdge, 1.0));

    constexpr qreal margin = 8;
    const QRectF field = cardRect().adjusted(margin, margin, -margin, -margin);
    QPainterPath inner;
    inner.addRoundedRect(field, 3, 3);
    constexpr qreal step = 12;
    const QPen thick(colour::backBlue, 1.5);
    const QPen thin(withAlpha(colour::backBlue, 120), 0.6);
    if (p.paintEngine()->type() == QPaintEngine::SVG) {
        // The SVG writer ignores clipping: the lattice is cut to the field as shapes instead.
        p.fillPath(inner, QColor(0xf6, 0xf8, 0xfd));
        for (const auto& [pen, offset] : { std::pair { thick, 0.0 }, std::pair { thin, step / 2 } }) {
            QPainterPath lines;
            for (qreal d = -kCardH + offset; d < kCardW + kCardH; d += step) {
                lines.moveTo(d, 0);
                lines.lineTo(d + kCardH, kCardH);
                lines.moveTo(d, 0);
                lines.lineTo(d - kCardH, kCardH);
            }
            QPainterPathStroker stroker(pen);
            p.fillPath(stroker.createStroke(lines).intersected(inner), pen.color());
        }
    } else {
        p.save();
        p.setClipPath(inner);
        p.fillRect(field, QColor(0xf6, 0xf8, 0xfd));
        for (qreal d = -kCardH; d < kCardW + kCardH; d += step) {
            p.setPen(thick);
            p.drawLine(QPointF(d, 0), QPointF(d + kCardH, kCardH));
            p.drawLine(QPointF(d, 0), QPointF(d - kCardH, kCardH));
            p.setPen(thin);
            p.drawLine(QPointF(d + step / 2, 0), QPointF(d + step / 2 + kCardH, kCardH));
            p.drawLine(QPointF(d + step / 2, 0), QPointF(d + step / 2 - kCardH, kCardH));
        }
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::backBlue, 1.6));
    p.drawPath(inner);
    p.setPen(QPen(colour::backBlue, 0.7));
    p.drawRoundedRect(field.adjusted(-3, -3, 3, 3), 5, 5);
}

// ---------------------------------------------------------------------------
// The pictures
// ---------------------------------------------------------------------------

QImage drawDeck(int scale)
{
    QImage image = newImage(kCardW * kDeckColumns, kCardH * kDeckRows, colour::tableGreen, QImage::Format_RGB32, scale);
    QPainter p(&image);
    beginPainting(p);
    for (int row = 0; row < kDeckRows; ++row) {
        for (int column = 0; column < kDeckColumns; ++column) {
            p.save();
            p.translate(column * kCardW, row * kCardH);
            p.setClipRect(QRect(0, 0, kCardW, kCardH));
            paintCard(p, kSuits[size_t(row)], kRanks[size_t(column)]);
            p.restore();
        }
    }
    return image;
}

QImage drawBack(int scale)
{
    QImage image = newImage(kCardW, kCardH, colour::tableGreen, QImage::Format_RGB32, scale);
    QPainter p(&image);
    beginPainting(p);
    paintCardBack(p);
    return image;
}

// --- Banknotes -------------------------------------------------------------

enum class Emblem { Lion, Linden };

struct Note {
    std::int32_t value;
    int width;
    QColor colour;
    Emblem emblem;
};

// The game's notes in their order; each keeps the colour its Czech counterpart is known by.
const std::array<Note, HodnotaBankovky.size()> kNotes = { {
    { HodnotaBankovky[0], 160, QColor(0x12, 0x92, 0x96), Emblem::Lion },
    { HodnotaBankovky[1], 165, QColor(0xcc, 0x62, 0x1a), Emblem::Linden },
    { HodnotaBankovky[2], 170, QColor(0xb4, 0x34, 0x5a), Emblem::Lion },
    { HodnotaBankovky[3], 175, QColor(0x7c, 0x38, 0xb4), Emblem::Linden },
    { HodnotaBankovky[4], 180, QColor(0x94, 0x90, 0x1a), Emblem::Lion },
    { HodnotaBankovky[5], 185, QColor(0x64, 0x66, 0x80), Emblem::Linden },
} };

// Spirograph curves, the classic guilloche of security printing: a circle
// of radius `big` with `loops` smaller loops of radius `small` riding on it.
QPainterPath rosette(QPointF centre, qreal big, qreal small, int loops)
{
    QPainterPath path;
    constexpr int steps = 900;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = 2 * std::numbers::pi * i / steps;
        const QPointF pt(centre.x() + big * std::cos(t) + small * std::cos(loops * t),
            centre.y() + big * std::sin(t) - small * std::sin(loops * t));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

QPainterPath wave(qreal x0, qreal x1, qreal y, qreal amplitude, qreal period, qreal phase)
{
    QPainterPath path;
    for (qreal x = x0; x <= x1 + 0.01; x += 1.0) {
        const QPointF pt(x, y + amplitude * std::sin(2 * std::numbers::pi * x / period + phase));
        if (x == x0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

void drawLionEmblem(QPainter& p, QPointF c, const QColor& ink, const QColor& light)
{
    // Mane: a star of rounded rays.
    QPainterPath mane;
    const int rays = 18;
    for (int i = 0; i <= rays * 2; ++i) {
        const qreal t = std::numbers::pi * i / rays;
        const qreal r = (i % 2 == 0) ? 17.5 : 12.5;
        const QPointF pt(c.x() + r * std::sin(t), c.y() - r * std::cos(t) * 1.08);
        if (i == 0)
            mane.moveTo(pt);
        else
            mane.lineTo(pt);
    }
    mane.closeSubpath();
    p.fillPath(mane, ink);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(light);
    p.drawEllipse(c + QPointF(-7.5, -8.5), 3, 3);
    p.drawEllipse(c + QPointF(7.5, -8.5), 3, 3);
    QPainterPath face;
    face.moveTo(c + QPointF(0, -10));
    face.cubicTo(c + QPointF(9, -10), c + QPointF(11, 2), c + QPointF(6, 10));
    face.quadTo(c + QPointF(0, 13), c + QPointF(-6, 10));
    face.cubicTo(c + QPointF(-11, 2), c + QPointF(-9, -10), c + QPointF(0, -10));
    face.closeSubpath();
    p.drawPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c + QPointF(-3.6, -2.5), 1.3, 1.1);
    p.drawEllipse(c + QPointF(3.6, -2.5), 1.3, 1.1);
    QPainterPath nose;
    nose.moveTo(c + QPointF(-2.8, 3));
    nose.lineTo(c + QPointF(2.8, 3));
    nose.lineTo(c + QPointF(0, 6));
    nose.closeSubpath();
    p.fillPath(nose, ink);
    p.strokePath(smoothLine(c + QPointF(-3.5, 8.5), c + QPointF(0, 7), c + QPointF(3.5, 8.5)), QPen(ink, 0.9));
    p.strokePath(polyline({ c + QPointF(0, 6), c + QPointF(0, 7.5) }), QPen(ink, 0.9));
    // Crown over the head.
    QPainterPath crown;
    crown.moveTo(c + QPointF(-6, -17));
    crown.lineTo(c + QPointF(-7, -24));
    crown.lineTo(c + QPointF(-3, -20));
    crown.lineTo(c + QPointF(0, -25));
    crown.lineTo(c + QPointF(3, -20));
    crown.lineTo(c + QPointF(7, -24));
    crown.lineTo(c + QPointF(6, -17));
    crown.closeSubpath();
    p.fillPath(crown, ink);
}

void drawLindenEmblem(QPainter& p, QPointF c, const QColor& ink, const QColor& light)
{
    // A single linden leaf on its stalk, printed in the note's deep colour.
    constexpr qreal scale = 0.42;
    p.strokePath(smoothLine(c + QPointF(0, 8), c + QPointF(1, 16), c + QPointF(4, 23)),
        QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.save();
    p.translate(c + QPointF(0, -3));
    p.scale(scale, scale);
    const QPainterPath shape = leafPath();
    p.fillPath(shape, mix(ink, light, 0.25));
    p.save();
    p.setClipPath(shape);
    p.strokePath(leafVeins(), QPen(light, 1.3 / scale, Qt::SolidLine, Qt::RoundCap));
    p.restore();
    p.strokePath(shape, QPen(ink, 1.4 / scale));
    p.restore();
}

QImage drawNote(const Note& note, int scale)
{
    const int w = note.width;
    const int h = kNoteH;
    QImage image = newImage(w, h, Qt::transparent, QImage::Format_ARGB32_Premultiplied, scale);
    QPainter p(&image);
    beginPainting(p);

    const QColor base = note.colour;
    const QColor deep = base.darker(185);
    const QColor paper = mix(base, Qt::white, 0.72);
    const QRectF sheet(0.5, 0.5, w - 1.0, h - 1.0);
    QPainterPath shape;
    shape.addRoundedRect(sheet, 2.5, 2.5);
    QLinearGradient fill(0, 0, w, h);
    fill.setColorAt(0, mix(base, Qt::white, 0.55));
    fill.setColorAt(0.5, paper);
    fill.setColorAt(1, mix(base, Qt::white, 0.4));
    p.fillPath(shape, fill);

    p.save();
    p.setClipPath(shape);
    // Fine waves across the whole note.
    const QPen fine(withAlpha(base.darker(120), 80), 0.5);
    for (int i = 0; i < 18; ++i)
        p.strokePath(wave(0, w, 4 + i * 4.3, 2.2, 23, i * 0.35), fine);
    // Solid band behind the medallion, like the printed strip of real notes.
    QLinearGradient strip(0, 0, 0, h);
    strip.setColorAt(0, withAlpha(base, 150));
    strip.setColorAt(0.5, withAlpha(base.lighter(120), 110));
    strip.setColorAt(1, withAlpha(base, 150));
    p.fillRect(QRectF(8, 0, 48, h), strip);
    // Rosettes under the value.
    const QPointF rosetteCentre(w - 30, h / 2.0);
    for (int i = 0; i < 3; ++i)
        p.strokePath(rosette(rosetteCentre, 20 - i * 5, 9 - i * 2, 11 + i * 4), QPen(withAlpha(base, 110), 0.55));
    p.restore();

    // Border: a rope of little loops between two lines.
    const QRectF frame = sheet.adjusted(3, 3, -3, -3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(deep, 1.0));
    p.drawRect(frame);
    p.setPen(QPen(withAlpha(deep, 160), 0.6));
    p.drawRect(frame.adjusted(2.5, 2.5, -2.5, -2.5));
    p.save();
    QPainterPath ring;
    ring.addRect(frame);
    ring.addRect(frame.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setClipPath(ring);
    p.setPen(QPen(withAlpha(deep, 200), 0.5));
    for (qreal x = frame.left(); x < frame.right(); x += 2.4) {
        p.drawEllipse(QPointF(x, frame.top() + 1.25), 1.3, 1.2);
        p.drawEllipse(QPointF(x, frame.bottom() - 1.25), 1.3, 1.2);
    }
    for (qreal y = frame.top(); y < frame.bottom(); y += 2.4) {
        p.drawEllipse(QPointF(frame.left() + 1.25, y), 1.2, 1.3);
        p.drawEllipse(QPointF(frame.right() - 1.25, y), 1.2, 1.3);
    }
    p.restore();

    // The medallion.
    const QRectF oval(12, 11, 40, 56);
    QRadialGradient glow(oval.center() + QPointF(-5, -8), 36);
    glow.setColorAt(0, mix(base, Qt::white, 0.9));
    glow.setColorAt(1, mix(base, Qt::white, 0.45));
    p.setBrush(glow);
    p.setPen(QPen(deep, 1.4));
    p.drawEllipse(oval);
    p.setPen(QPen(withAlpha(deep, 190), 0.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 48; ++i) {
        const qreal t = 2 * std::numbers::pi * i / 48;
        p.drawEllipse(
            QPointF(oval.center().x() + 22.5 * std::cos(t), oval.center().y() + 30.5 * std::sin(t)), 1.6, 1.6);
    }
    if (note.emblem == Emblem::Lion)
        drawLionEmblem(p, oval.center() + QPointF(0, 3), deep, mix(base, Qt::white, 0.8));
    else
        drawLindenEmblem(p, oval.center() + QPointF(0, 1), deep, mix(base, Qt::white, 0.75));

    // Lettering.
    const qreal textLeft = 60;
    const qreal textRight = w - 9;
    const qreal textCentre = (textLeft + textRight) / 2;
    QFont bank = makeFont("DejaVu Sans", 8, QFont::Bold);
    bank.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.fillPath(textPath(QStringLiteral("IXA BANKA"), bank, { textCentre, 15 }), deep);

    const QPainterPath value
        = textPath(QString::number(note.value), makeFont("DejaVu Serif", 30, QFont::Black), { 0, 0 });
    const QPainterPath currency = textPath(QStringLiteral("Kč"), makeFont("DejaVu Serif", 19, QFont::Bold), { 0, 0 });
    const qreal gap = 5;
    const qreal total = value.boundingRect().width() + gap + currency.boundingRect().width();
    const qreal left = textCentre - total / 2;
    const qreal baseline = 52;
    const QPainterPath valuePlaced
        = value.translated(left - value.boundingRect().left(), baseline - value.boundingRect().bottom());
    const QPainterPath currencyPlaced
        = currency.translated(left + value.boundingRect().width() + gap - currency.boundingRect().left(),
            baseline - currency.boundingRect().bottom());
    fillWithHalo(p, valuePlaced, deep, withAlpha(Qt::white, 220), 3.0);
    fillWithHalo(p, currencyPlaced, deep, withAlpha(Qt::white, 220), 3.0);

    QFont small = makeFont("DejaVu Sans", 6.5, QFont::Bold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.fillPath(textPath(QStringLiteral("KORUN ČESKÝCH"), small, { textCentre, 62 }), withAlpha(deep, 220));
    QFont serial = makeFont("DejaVu Sans", 6.5, QFont::Bold);
    const QString number = QStringLiteral("IX %1").arg(note.value * 7 + 31234, 6, 10, QLatin1Char('0'));
    p.fillPath(textPath(number, serial, { textCentre, 71 }), QColor(0xb0, 0x18, 0x18));

    p.strokePath(shape, QPen(deep.darker(120), 1.0));
    return image;
}

// --- Revolver ----------------------------------------------------------------

QLinearGradient metal(qreal left, qreal right)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, colour::gunDark);
    g.setColorAt(0.3, colour::gunLight);
    g.setColorAt(0.55, colour::gunMid);
    g.setColorAt(1, colour::gunDark);
    return g;
}

void fillMetal(QPainter& p, const QPainterPath& path, qreal left, qreal right)
{
    p.fillPath(path, metal(left, right));
    p.strokePath(path, inkPen(1.0, QColor(0x12, 0x14, 0x18)));
}

void drawCartridge(QPainter& p, qreal cx, qreal bottom)
{
    constexpr qreal caseW = 17;
    constexpr qreal caseH = 50;
    const qreal l = cx - caseW / 2;
    // The bullet.
    QPainterPath bullet;
    bullet.moveTo(l + 1, bottom - caseH + 2);
    bullet.cubicTo(l + 1, bottom - caseH - 14, cx - 3, bottom - caseH - 22, cx, bottom - caseH - 23);
    bullet.cubicTo(cx + 3, bottom - caseH - 22, l + caseW - 1, bottom - caseH - 14, l + caseW - 1, bottom - caseH + 2);
    bullet.closeSubpath();
    QLinearGradient lead(l, 0, l + caseW, 0);
    lead.setColorAt(0, QColor(0x7a, 0x40, 0x22));
    lead.setColorAt(0.3, QColor(0xf0, 0xa8, 0x78));
    lead.setColorAt(1, QColor(0x6a, 0x34, 0x18));
    p.fillPath(bullet, lead);
    p.strokePath(bullet, inkPen(1.0, QColor(0x2a, 0x16, 0x08)));
    // The brass case with its rim.
    QLinearGradient brass(l, 0, l + caseW, 0);
    brass.setColorAt(0, colour::brassDark);
    brass.setColorAt(0.3, colour::brassLight);
    brass.setColorAt(0.6, colour::brass);
    brass.setColorAt(1, colour::brassDark);
    QPainterPath body;
    body.addRect(QRectF(l, bottom - caseH, caseW, caseH - 5));
    body.addRect(QRectF(l - 1.5, bottom - 5, caseW + 3, 5));
    body.setFillRule(Qt::WindingFill);
    p.fillPath(body.simplified(), brass);
    p.strokePath(body.simplified(), inkPen(1.0, QColor(0x3a, 0x28, 0x08)));
    p.strokePath(polyline({ { l, bottom - 7.5 }, { l + caseW, bottom - 7.5 } }), inkPen(0.8, colour::brassDark));
}

QImage drawRevolver(int scale)
{
    QImage image = newImage(kRevolverW, kRevolverH, colour::tableGreen, QImage::Format_RGB32, scale);
    QPainter p(&image);
    beginPainting(p);

    // A soft shadow on the cloth under the gun and the cartridge.
    QRadialGradient shadow(QPointF(0, 0), 1);
    shadow.setColorAt(0, QColor(0, 72, 0));
    shadow.setColorAt(1, colour::tableGreen);
    p.save();
    p.translate(90, 287);
    p.scale(62, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();

    // The gun stands with its muzzle up, so what is "top" on a revolver
    // lying on its side (sights, top strap, hammer spur) faces left here,
    // and the trigger side faces right.
    constexpr qreal bore = 58; // x of the barrel's axis
    constexpr qreal muzzle = 16; // y of the muzzle
    constexpr qreal cylTop = 122; // y where the cylinder starts
    constexpr qreal cylBottom = 182;
    constexpr qreal cylLeft = bore - 13;
    constexpr qreal cylRight = bore + 39;
    const QColor steelInk(0x12, 0x14, 0x18);

    // Grip: wood, slanting back like a real grip and standing on its butt.
    QPainterPath grip;
    grip.moveTo(bore - 10, 204);
    grip.cubicTo(bore - 12, 232, bore - 6, 262, bore + 2, 282);
    grip.lineTo(bore + 46, 282);
    grip.cubicTo(bore + 44, 262, bore + 38, 236, bore + 36, 210);
    grip.closeSubpath();
    QLinearGradient woodFill(bore - 12, 0, bore + 46, 0);
    woodFill.setColorAt(0, colour::woodDark);
    woodFill.setColorAt(0.3, colour::woodLight);
    woodFill.setColorAt(0.6, colour::wood);
    woodFill.setColorAt(1, colour::woodDark);
    p.fillPath(grip, woodFill);
    p.save();
    p.setClipPath(grip);
    for (int i = 0; i < 11; ++i) {
        const qreal x = bore - 10 + i * 5.0;
        p.strokePath(smoothLine({ x - 2, 200 }, { x + 2 + (i % 3) * 2.5, 244 }, { x + 8, 290 }),
            QPen(withAlpha(colour::woodDark, 110), 0.8));
    }
    QPainterPath panel;
    panel.addRoundedRect(QRectF(-13, -22, 26, 44), 9, 9);
    panel = QTransform().translate(bore + 18, 246).rotate(-12).map(panel);
    p.setClipPath(panel, Qt::IntersectClip);
    p.setPen(QPen(withAlpha(colour::woodDark, 160), 0.7));
    for (qreal d = -70; d < 70; d += 3.2) {
        p.drawLine(QPointF(bore + d, 215), QPointF(bore + d + 60, 275));
        p.drawLine(QPointF(bore + d, 275), QPointF(bore + d + 60, 215));
    }
    p.restore();
    p.strokePath(panel, QPen(withAlpha(colour::woodDark, 220), 1.0));
    p.strokePath(grip, inkPen(1.2, QColor(0x2a, 0x10, 0x04)));
    p.setPen(inkPen(0.8, steelInk));
    p.setBrush(colour::gunLight);
    p.drawEllipse(QPointF(bore + 18, 246), 2.6, 2.6);
    QPainterPath butt;
    butt.addRoundedRect(QRectF(bore, 280, 48, 6), 2, 2);
    fillMetal(p, butt, bore, bore + 48);

    // Trigger guard and trigger on the right side.
    QPainterPath guard;
    guard.moveTo(cylRight - 6, 186);
    guard.cubicTo(cylRight + 20, 186, cylRight + 22, 214, bore + 38, 220);
    p.strokePath(guard, QPen(steelInk, 6.5, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(guard, QPen(metal(cylRight - 6, cylRight + 22), 4.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trigger;
    trigger.moveTo(cylRight - 6, 190);
    trigger.cubicTo(cylRight + 4, 192, cylRight + 10, 198, cylRight + 9, 208);
    trigger.cubicTo(cylRight + 5, 202, cylRight, 199, cylRight - 6, 199);
    trigger.closeSubpath();
    fillMetal(p, trigger, cylRight - 6, cylRight + 10);

    // Hammer, its chequered spur bending back and out to the left.
    QPainterPath hammer;
    hammer.moveTo(cylLeft + 2, 184);
    hammer.cubicTo(cylLeft - 6, 190, cylLeft - 14, 198, cylLeft - 22, 214);
    hammer.quadTo(cylLeft - 14, 218, cylLeft - 8, 212);
    hammer.cubicTo(cylLeft - 4, 206, cylLeft, 204, cylLeft + 4, 204);
    hammer.closeSubpath();
    fillMetal(p, hammer, cylLeft - 22, cylLeft + 4);
    for (int i = 0; i < 4; ++i) {
        const QPointF a(cylLeft - 20 + i * 2.4, 211 - i * 3.2);
        p.strokePath(polyline({ a, a + QPointF(4.5, 2.5) }), QPen(colour::gunDark, 0.8));
    }

    // The frame: top strap on the left, recoil shield and the grip frame
    // below the cylinder, and the lug that carries the barrel.
    QPainterPath frame;
    frame.moveTo(bore - 9, cylTop - 8);
    frame.lineTo(bore + 16, cylTop - 8);
    frame.lineTo(cylRight + 2, cylTop + 4);
    frame.lineTo(cylRight + 2, 208);
    frame.quadTo(bore + 14, 214, cylLeft - 1, 206);
    frame.lineTo(cylLeft - 5, 190);
    frame.lineTo(cylLeft - 5, cylTop);
    frame.closeSubpath();
    fillMetal(p, frame, cylLeft - 5, cylRight + 2);
    // Rear sight: a notch in the top strap.
    QPainterPath notch;
    notch.addRect(QRectF(cylLeft - 8, 180, 4, 8));
    fillMetal(p, notch, cylLeft - 8, cylLeft - 4);

    // Barrel with the ejector rod under it (to the right) and the front sight.
    QPainterPath ejector;
    ejector.addRoundedRect(QRectF(bore + 8, 48, 8, cylTop - 44), 3, 3);
    fillMetal(p, ejector, bore + 8, bore + 16);
    p.setPen(inkPen(0.8, steelInk));
    p.setBrush(colour::gunLight);
    p.drawEllipse(QPointF(bore + 12, 49), 4.2, 4.2);
    QPainterPath sight;
    sight.moveTo(bore - 8, muzzle + 8);
    sight.lineTo(bore - 14, muzzle + 11);
    sight.lineTo(bore - 14, muzzle + 19);
    sight.lineTo(bore - 8, muzzle + 22);
    sight.closeSubpath();
    fillMetal(p, sight, bore - 14, bore - 8);
    QPainterPath barrel;
    barrel.addRect(QRectF(bore - 9, muzzle + 4, 18, cylTop - muzzle - 8));
    fillMetal(p, barrel, bore - 9, bore + 9);
    QPainterPath crown;
    crown.addRoundedRect(QRectF(bore - 10, muzzle, 20, 7), 2, 2);
    fillMetal(p, crown, bore - 10, bore + 10);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 80));
    p.drawRect(QRectF(bore - 5, muzzle + 10, 2.5, cylTop - muzzle - 22));

    // The cylinder with its flutes.
    QPainterPath cylinder;
    cylinder.addRoundedRect(QRectF(cylLeft, cylTop, cylRight - cylLeft, cylBottom - cylTop), 7, 7);
    fillMetal(p, cylinder, cylLeft, cylRight);
    for (int i = 0; i < 3; ++i) {
        const qreal x = cylLeft + 7 + i * 14;
        QPainterPath flute;
        flute.addRoundedRect(QRectF(x, cylTop + 8, 8, cylBottom - cylTop - 20), 4, 4);
        QLinearGradient g(x, 0, x + 8, 0);
        g.setColorAt(0, colour::gunDark);
        g.setColorAt(0.7, colour::gunMid);
        g.setColorAt(1, colour::gunLight);
        p.fillPath(flute, g);
        p.strokePath(flute, QPen(steelInk, 0.7));
    }
    p.strokePath(polyline({ { cylLeft + 2, cylTop + 3 }, { cylRight - 2, cylTop + 3 } }),
        QPen(withAlpha(colour::gunLight, 170), 1.0));
    p.strokePath(polyline({ { cylLeft + 2, cylBottom - 3 }, { cylRight - 2, cylBottom - 3 } }),
        QPen(withAlpha(colour::gunDark, 200), 1.0));
    // Screws on the frame.
    p.setPen(inkPen(0.7, steelInk));
    p.setBrush(colour::gunLight);
    p.drawEllipse(QPointF(bore + 20, 196), 2.2, 2.2);
    p.drawEllipse(QPointF(bore + 24, cylTop - 3), 1.8, 1.8);

    drawCartridge(p, 136, 287);
    return image;
}

// --- Info picture and icons ---------------------------------------------------

QImage drawInfo(int scale)
{
    QImage image = newImage(kInfoW, kInfoH, colour::infoGreen, QImage::Format_RGB32, scale);
    QPainter p(&image);
    beginPainting(p);
    // Fanned like a hand of cards: the outer ones tilted and a little lower.
    constexpr qreal cardScale = 0.55;
    struct Fanned {
        Rank rank;
        QPointF centre;
        qreal angle;
    };
    for (const Fanned card : { Fanned { Rank::Seven, { 54, 98 }, -15 }, Fanned { Rank::King, { 90, 88 }, 0 },
             Fanned { Rank::Ace, { 126, 98 }, 15 } }) {
        p.save();
        p.translate(card.centre);
        p.rotate(card.angle);
        p.scale(cardScale, cardScale);
        p.translate(-kCardW / 2.0, -kCardH / 2.0);
        // A shadow lifts the cards off the cloth.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(cardRect().translated(4, 4), kCardRadius, kCardRadius);
        paintCard(p, Suit::Hearts, card.rank);
        p.restore();
    }
    return image;
}

// Two cards fanned, the ace of hearts in front, on a square of 256 units. At
// 16 and 32 pixels the card is reduced to a white sheet with a big heart: the
// card drawing would only be mush at that size.
void paintIcon(QPainter& p, int size)
{
    const bool detailed = size >= 64;
    const qreal outline = detailed ? 2.0 : 256.0 / size * 0.9;

    const auto cardAt = [&](QPointF centre, qreal angle, qreal scale) {
        p.translate(centre);
        p.rotate(angle);
        p.scale(scale, scale);
        p.translate(-kCardW / 2.0, -kCardH / 2.0);
    };

    p.save();
    cardAt({ 96, 122 }, -16, 1.05);
    if (detailed) {
        paintCardBack(p);
    } else {
        QPainterPath shape;
        shape.addRoundedRect(cardRect(), 14, 14);
        p.fillPath(shape, colour::backBlue);
        p.strokePath(shape, QPen(Qt::white, outline * 2.5));
        p.strokePath(shape.translated(0, 0), QPen(colour::cardEdge, outline * 0.8));
    }
    p.restore();

    p.save();
    cardAt({ 156, 134 }, 12, 1.05);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(cardRect().translated(-6, 5), kCardRadius, kCardRadius);
    if (detailed) {
        paintCard(p, Suit::Hearts, Rank::Ace);
    } else {
        QPainterPath shape;
        shape.addRoundedRect(cardRect(), 14, 14);
        p.fillPath(shape, Qt::white);
        p.strokePath(shape, QPen(colour::cardEdge, outline));
        drawSuit(p, Suit::Hearts, { kCardW / 2.0, kCardH / 2.0 }, 110);
    }
    p.restore();
}

QImage drawIcon(int size)
{
    QImage image = newImage(size, size, Qt::transparent, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    beginPainting(p);
    p.scale(size / 256.0, size / 256.0);
    paintIcon(p, size);
    return image;
}

// The icon for any size a desktop asks for: the detailed drawing, as shapes.
bool saveScalableIcon(const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Ixa"));
    svg.setDescription(QStringLiteral("Two playing cards fanned, the ace of hearts in front"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    beginPainting(p);
    paintIcon(p, 256);
    p.end();
    std::printf("%s  scalable\n", qPrintable(path));
    return true;
}

// A PNG file holds its colours apart from their opacity. Qt's own conversion takes the fastest way
// the processor has, and rounds a see-through pixel differently from one machine to the next;
// pixel by pixel, the same picture gives the same bytes everywhere.
QImage unpremultiplied(const QImage& image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        return image;
    QImage straight(image.size(), QImage::Format_ARGB32);
    straight.setDevicePixelRatio(image.devicePixelRatio());
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = qUnpremultiply(from[x]);
    }
    return straight;
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!unpremultiplied(image).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen; a real one would lend the pictures its resolution and
    // its font settings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(IXA_ASSETS_DIR);
    QDir folder(target);
    if (!folder.exists() && !QDir().mkpath(target)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(target));
        return 1;
    }

    // Everything is drawn before anything is written: a missing font stops the run with the
    // folder as it was.
    std::vector<std::pair<QString, QImage>> pictures;
    // "name@2x.png" beside "name.png" is the same picture for screens of twice the pixel ratio.
    for (const int scale : { 1, 2 }) {
        const QString x = scale == 1 ? QString() : QStringLiteral("@2x");
        pictures.emplace_back(QStringLiteral("cards%1.png").arg(x), drawDeck(scale));
        pictures.emplace_back(QStringLiteral("back%1.png").arg(x), drawBack(scale));
        for (const Note& note : kNotes)
            pictures.emplace_back(QStringLiteral("note%1%2.png").arg(note.value).arg(x), drawNote(note, scale));
        pictures.emplace_back(QStringLiteral("revolver%1.png").arg(x), drawRevolver(scale));
        pictures.emplace_back(QStringLiteral("info%1.png").arg(x), drawInfo(scale));
    }
    // The program's window takes 16, 32 and 64; a desktop's icon theme takes them all.
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        pictures.emplace_back(QStringLiteral("icon%1.png").arg(size), drawIcon(size));

    bool ok = true;
    QStringList drawn = { QStringLiteral("icon.svg") };
    for (const auto& [name, image] : pictures) {
        ok = save(image, folder, name) && ok;
        drawn << name;
    }
    ok = saveScalableIcon(folder, QStringLiteral("icon.svg")) && ok;
    for (const QString& left : folder.entryList({ QStringLiteral("*.png"), QStringLiteral("*.svg") }, QDir::Files))
        if (!drawn.contains(left)) {
            std::fprintf(stderr, "%s is no longer drawn, but the game would still carry it: remove it\n",
                qPrintable(folder.filePath(left)));
            ok = false;
        }
    return ok ? 0 : 1;
}
