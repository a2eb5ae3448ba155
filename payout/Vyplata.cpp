#include "payout/Vyplata.h"

#include "history/Banknotes.h"
#include "ui/pictures/Drawing.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

std::int16_t DruhuBankovek(std::int32_t Castka)
{
    // More than this amount may use this many kinds.
    constexpr std::array<std::pair<std::int32_t, std::int16_t>, 5> Hranice
        = { { { 25000, 6 }, { 10000, 5 }, { 5000, 4 }, { 2500, 3 }, { 1000, 2 } } };
    for (const auto& [nad, druhu] : Hranice)
        if (Castka > nad)
            return druhu;
    return 1;
}

std::vector<Bankovka> PlanVyplaty(std::int32_t Castka, std::int32_t W, std::int32_t H, Random& rnd)
{
    std::vector<Bankovka> plan;
    const std::int16_t K = DruhuBankovek(Castka);
    // Room for about as many notes as the average note needs, so that a purse of millions of notes
    // is not copied over and over while it grows.
    std::int64_t soucet = 0;
    for (std::int16_t i = 0; i < K; ++i)
        soucet += HodnotaBankovkyOf(i);
    if (Castka > 0)
        plan.reserve(static_cast<std::size_t>(Castka / (soucet / K) + Castka / (soucet / K) / 100 + 16));

    std::int32_t zbyva = Castka;
    while (zbyva >= HodnotaBankovky[0]) {
        std::int16_t i;
        do
            // Exact in double: r × K stays below K for every r below 1.
            i = static_cast<std::int16_t>(static_cast<double>(rnd.Rnd()) * K);
        while (HodnotaBankovkyOf(i) > zbyva);
        const float rx = rnd.Rnd();
        const float ry = rnd.Rnd();
        const float X = static_cast<float>(W - 4275) * rx / 15.0f + 50.0f;
        const float Y = static_cast<float>(H - 2700) * ry / 15.0f + 50.0f;
        plan.push_back({ i, X, Y });
        zbyva -= HodnotaBankovkyOf(i);
    }
    return plan;
}

Obrys ObrysObrazku(const QImage& obrazek)
{
    const QImage image = obrazek.convertToFormat(QImage::Format_ARGB32);
    Obrys obrys;
    obrys.radky.resize(static_cast<std::size_t>(std::max(image.height(), 0)));
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        Obrys::Radek& radek = obrys.radky[static_cast<std::size_t>(y)];
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(pixels[x]);
            if (alpha > 0) {
                if (radek.ukazujeOd > radek.ukazujeDo)
                    radek.ukazujeOd = x;
                radek.ukazujeDo = x;
            }
            // The longest run of opaque pixels; anything less than opaque lets what lies under it show.
            run = alpha == 255 ? run + 1 : 0;
            if (run > radek.kryjeDo - radek.kryjeOd + 1) {
                radek.kryjeOd = x - run + 1;
                radek.kryjeDo = x;
            }
        }
    }
    return obrys;
}

namespace {
// Bits by rows, 64 to a word.
class Bity {
public:
    Bity(int width, int height)
        : words_(static_cast<std::size_t>((width + 63) / 64))
        , bits_(words_ * static_cast<std::size_t>(height))
    {
    }

    std::size_t Words() const { return words_; }
    int Height() const { return static_cast<int>(bits_.size() / std::max<std::size_t>(words_, 1)); }
    std::uint64_t Word(int y, int w) const { return row(y)[w]; }

    // Whether every bit of row y from x1 to x2 is set.
    bool All(int y, int x1, int x2) const
    {
        const std::uint64_t* bits = row(y);
        for (int w = x1 / 64; w <= x2 / 64; ++w)
            if ((bits[w] & mask(w, x1, x2)) != mask(w, x1, x2))
                return false;
        return true;
    }

    void Set(int y, int x1, int x2)
    {
        std::uint64_t* bits = row(y);
        for (int w = x1 / 64; w <= x2 / 64; ++w)
            bits[w] |= mask(w, x1, x2);
    }

private:
    // The bits from x1 to x2 that lie in word w.
    static std::uint64_t mask(int w, int x1, int x2)
    {
        const int from = std::max(x1 - w * 64, 0);
        const int to = std::min(x2 - w * 64, 63);
        return (~std::uint64_t { 0 } >> (63 - to)) & (~std::uint64_t { 0 } << from);
    }
    const std::uint64_t* row(int y) const { return &bits_[static_cast<std::size_t>(y) * words_]; }
    std::uint64_t* row(int y) { return &bits_[static_cast<std::size_t>(y) * words_]; }

    std::size_t words_;
    std::vector<std::uint64_t> bits_;
};

// The pixels that banknotes laid later hide completely. Bands of 8 and of 64 rows keep, for each
// run of 64 pixels, whether it is hidden in all of the band's rows: once the screen is full of
// notes, a banknote is found hidden from two or three of the wide bands instead of all of its rows.
class Zakryti {
public:
    // Only pixels within the reach can show anything.
    Zakryti(QSize size, QRect dosah)
        : width_(size.width())
        , height_(size.height())
        , pixels_(width_, height_)
        , words_(static_cast<int>(pixels_.Words()))
        , bands_ { Bity(words_, (height_ + Pas[0] - 1) / Pas[0]), Bity(words_, (height_ + Pas[1] - 1) / Pas[1]) }
    {
        // Where nothing shows there is nothing to hide: taken as hidden from the start, such pixels
        // let the bands along the edges of the pile, and beyond the right edge, be found hidden.
        // A reach of nothing is an empty rectangle; Qt would turn it inside out.
        dosah = dosah.isValid() ? dosah & QRect(0, 0, width_, height_) : QRect();
        const int last = words_ * 64 - 1;
        for (int y = 0; y < height_; ++y) {
            if (y < dosah.top() || y > dosah.bottom()) {
                Hide(y, 0, last);
                continue;
            }
            if (dosah.left() > 0)
                Hide(y, 0, dosah.left() - 1);
            if (dosah.right() < last)
                Hide(y, dosah.right() + 1, last);
        }
    }

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Whether rowShows(y) holds for any row y from y1 to y2 that is not hidden from x1 to x2 in
    // all of its band.
    template <typename RowShows> bool Shows(int y1, int y2, int x1, int x2, const RowShows& rowShows) const
    {
        const int w1 = x1 / 64, w2 = x2 / 64;
        for (int wide = y1 / Pas[1]; wide <= y2 / Pas[1]; ++wide) {
            if (bands_[1].All(wide, w1, w2))
                continue;
            const int wideEnd = std::min(y2, wide * Pas[1] + Pas[1] - 1);
            for (int band = std::max(y1, wide * Pas[1]) / Pas[0]; band <= wideEnd / Pas[0]; ++band) {
                if (bands_[0].All(band, w1, w2))
                    continue;
                const int bandEnd = std::min(wideEnd, band * Pas[0] + Pas[0] - 1);
                for (int y = std::max(y1, band * Pas[0]); y <= bandEnd; ++y)
                    if (rowShows(y))
                        return true;
            }
        }
        return false;
    }

    bool Hidden(int y, int x1, int x2) const { return pixels_.All(y, x1, x2); }

    void Hide(int y, int x1, int x2)
    {
        pixels_.Set(y, x1, x2);
        const int band = y / Pas[0], wide = y / Pas[1];
        for (int w = x1 / 64; w <= x2 / 64; ++w) {
            bool all = true;
            for (int r = band * Pas[0]; r < std::min(band * Pas[0] + Pas[0], height_) && all; ++r)
                all = pixels_.Word(r, w) == ~std::uint64_t { 0 };
            if (!all)
                continue;
            bands_[0].Set(band, w, w);
            const int bands = static_cast<int>(std::min(bands_[0].Height(), (wide + 1) * Pas[1] / Pas[0]));
            for (int b = wide * Pas[1] / Pas[0]; b < bands && all; ++b)
                all = bands_[0].All(b, w, w);
            if (all)
                bands_[1].Set(wide, w, w);
        }
    }

private:
    static constexpr std::array<int, 2> Pas = { 8, 64 };

    int width_;
    int height_;
    Bity pixels_;
    int words_;
    std::array<Bity, 2> bands_;
};
} // namespace

std::vector<bool> Viditelne(
    const std::vector<Bankovka>& plan, const std::vector<Obrys>& obrysy, QSize plocha, qreal pomer)
{
    std::vector<bool> videt(plan.size(), false);
    if (plocha.isEmpty())
        return videt;
    // The columns where anything of each picture shows.
    std::vector<std::pair<int, int>> sloupce;
    for (const Obrys& obrys : obrysy) {
        std::pair<int, int> odDo { std::numeric_limits<int>::max(), -1 };
        for (const Obrys::Radek& radek : obrys.radky)
            if (radek.ukazujeOd <= radek.ukazujeDo)
                odDo = { std::min(odDo.first, radek.ukazujeOd), std::max(odDo.second, radek.ukazujeDo) };
        sloupce.push_back(odDo);
    }
    // The pixels that any of the notes could show on.
    std::int64_t odX = plocha.width(), odY = plocha.height(), doX = -1, doY = -1;
    for (const Bankovka& b : plan) {
        const auto kind = static_cast<std::size_t>(b.Index);
        const std::int64_t left = Drawing::ImagePixel(b.X, pomer), top = Drawing::ImagePixel(b.Y, pomer);
        odX = std::min(odX, left + sloupce.at(kind).first);
        doX = std::max(doX, left + sloupce[kind].second);
        odY = std::min<std::int64_t>(odY, top);
        doY = std::max<std::int64_t>(doY, top + static_cast<std::int64_t>(obrysy[kind].radky.size()) - 1);
    }
    const auto naPlose = [](std::int64_t v, int max) { return static_cast<int>(std::clamp<std::int64_t>(v, -1, max)); };
    Zakryti zakryto(plocha,
        QRect(QPoint(naPlose(odX, plocha.width()), naPlose(odY, plocha.height())),
            QPoint(naPlose(doX, plocha.width()), naPlose(doY, plocha.height()))));

    // From the last banknote back to the first: a banknote shows if any pixel it shows on is not
    // hidden by those laid after it. What lies under a pixel hidden completely never matters, and a
    // pixel that only shines through is left open, so all that is painted over it is kept.
    for (std::size_t n = plan.size(); n-- > 0;) {
        const Bankovka& b = plan[n];
        const auto kind = static_cast<std::size_t>(b.Index);
        const std::vector<Obrys::Radek>& radky = obrysy.at(kind).radky;
        const std::int64_t left = Drawing::ImagePixel(b.X, pomer), top = Drawing::ImagePixel(b.Y, pomer);
        // The part of a row from..to of the picture that lies on the surface.
        const auto cut = [&](int from, int to, int& x1, int& x2) {
            x1 = static_cast<int>(std::max<std::int64_t>(left + from, 0));
            x2 = static_cast<int>(std::min<std::int64_t>(left + to, zakryto.Width() - 1));
            return from <= to && x1 <= x2;
        };
        const int y1 = static_cast<int>(std::max<std::int64_t>(top, 0));
        const int y2 = static_cast<int>(
            std::min<std::int64_t>(top + static_cast<std::int64_t>(radky.size()), zakryto.Height()) - 1);
        int sx1, sx2;
        if (y1 > y2 || !cut(sloupce[kind].first, sloupce[kind].second, sx1, sx2))
            continue;

        const bool shows = zakryto.Shows(y1, y2, sx1, sx2, [&](int y) {
            const Obrys::Radek& radek = radky[static_cast<std::size_t>(y - top)];
            int x1, x2;
            return cut(radek.ukazujeOd, radek.ukazujeDo, x1, x2) && !zakryto.Hidden(y, x1, x2);
        });
        if (!shows)
            continue;
        videt[n] = true;
        for (int y = y1; y <= y2; ++y) {
            const Obrys::Radek& radek = radky[static_cast<std::size_t>(y - top)];
            int x1, x2;
            if (cut(radek.kryjeOd, radek.kryjeDo, x1, x2))
                zakryto.Hide(y, x1, x2);
        }
    }
    return videt;
}
