#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <algorithm>

#include "core/BoardGeometry.h"
#include "platform/BitBlt.h"

// Shared helpers of the painted artwork: the stone disc every hole and mask uses, colour
// arithmetic, tileable noise and the split of a painted layer into picture and mask.
namespace tessora::artwork::paint {

inline constexpr int kStoneSize = kStoneSide;
inline constexpr double kStoneCentre = kStoneSide / 2.0;
inline constexpr double kStoneRadius = 19.0;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;

// The colour the play area's background averages to. Pictures drawn over the background with a
// mask blend their soft edges into it, so the hard mask edge does not show a light fringe.
inline constexpr QRgb kBackdrop = 0xFF1A2132;

// True when device pixel (x, y) of a stone cell painted at `ratio` device pixels per layout
// pixel (40 x 40 layout pixels) lies on the stone. The stone mask, the board's holes and the
// column mask all use this one disc, so a stone fills a hole exactly at every ratio.
bool InStoneDisc(int x, int y, double ratio = 1);

// The layout position of the middle of device pixel i at `ratio`, in the convention of the
// pictures painted pixel by pixel at ratio 1, which sample pixel i at i: exactly i at ratio 1.
inline double LayoutSample(int i, double ratio) {
    return (i + 0.5) / ratio - 0.5;
}

// Colour channels as doubles in 0..1.
struct Colour {
    double r;
    double g;
    double b;
};

// Colour arithmetic, inline: every pixel of every picture passes through it.
inline double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

inline double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

inline Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Colour Scale(Colour c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

inline Colour Add(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline Colour FromRgb(QRgb rgb) {
    return {qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0};
}

inline QRgb ToRgb(Colour c) {
    // Rounds half up, as std::lround does for these non-negative values, without its library
    // call: every pixel of every picture passes through here.
    auto channel = [](double v) {
        const double scaled = Clamp01(v) * 255.0;
        const int whole = static_cast<int>(scaled);
        return scaled - whole >= 0.5 ? whole + 1 : whole;
    };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

// Smooth value noise in 0..1 on a lattice that wraps every periodX x periodY cells; u and v are
// lattice coordinates. Used to give surfaces texture that repeats without seams.
double TileableNoise(double u, double v, int periodX, int periodY, unsigned seed);

// A new Format_RGB32 image of width x height layout pixels at `ratio` device pixels per layout
// pixel (its device pixel ratio), filled with one colour.
QImage NewImage(int width, int height, QRgb fill, double ratio = 1);

// The game's lettering face at a pixel size.
QFont ArtFont(int pixelSize, bool bold);

struct MaskedPicture {
    QImage picture;  // white wherever the mask is white
    QImage mask;     // black where the picture is opaque
};

// Splits a painted layer with transparency into a picture and its monochrome mask, both at the
// layer's device pixel ratio: a pixel that is mostly opaque joins the mask and keeps its colour,
// blended over `backdrop` where it is partly transparent; every other pixel is white in both.
MaskedPicture SplitLayer(const QImage& layer, QRgb backdrop);

}  // namespace tessora::artwork::paint
