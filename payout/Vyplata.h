// The pay-out: which banknotes make up the purse and where they fall, and which of them can still
// be seen once all of them lie on the screen.
#pragma once

#include "ui/runtime/Random.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// One banknote laid on the screen: the index of its button (and so of its value), and the top left
// corner of its picture in pixels.
struct Bankovka {
    std::int16_t Index;
    float X;
    float Y;
};

// How many kinds of banknote, from the smallest up, a pay-out of this amount may use.
std::int16_t DruhuBankovek(std::int32_t Castka);

// The banknotes that pay out the whole hundreds of the amount on a screen of W by H twips, in the
// order they are laid down. Each takes its kind, drawn again while it is worth more than is left,
// then its place. What is left below the smallest banknote is not paid out.
std::vector<Bankovka> PlanVyplaty(std::int32_t Castka, std::int32_t W, std::int32_t H, Random& rnd);

// A picture as far as covering goes, row by row: the pixels where anything of it shows, and the
// run of pixels that it hides completely. The pixels are those of the image as it is laid, whatever
// pixel ratio it is marked with.
struct Obrys {
    struct Radek {
        int ukazujeOd = 0, ukazujeDo = -1; // empty when from > to
        int kryjeOd = 0, kryjeDo = -1;
        bool operator==(const Radek&) const = default;
    };
    std::vector<Radek> radky;
};
Obrys ObrysObrazku(const QImage& obrazek);

// Which banknotes of the plan still show somewhere on a surface's image of this size, of `pomer`
// image pixels to each screen pixel, once all of them are laid in order, each over those before it.
// The outlines are of the pictures as the surface lays them, and each note starts on the image
// pixel where the surface puts it. Painting only these, in order, gives the very picture that
// painting all of them does; the work grows with the surface, not with the plan.
std::vector<bool> Viditelne(
    const std::vector<Bankovka>& plan, const std::vector<Obrys>& obrysy, QSize plocha, qreal pomer);
