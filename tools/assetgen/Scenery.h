// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the scrolling backgrounds, which all wrap vertically: the
// bottom row runs on into the top row.

#include <algorithm>
#include <cmath>

#include "Relief.h"
#include "assets/Canvas.h"

// Calls draw(offset) for the copies of a motif that can show on a picture
// of the given height which wraps vertically: shifted up by one height, in
// place and shifted down, so a motif crossing the bottom edge reappears at
// the top.
template <class Draw>
void Wrapped(int height, Draw draw) {
    for (const int offset : {-height, 0, height}) {
        draw(static_cast<double>(offset));
    }
}

// Sets every pixel of the picture to shade(x, y).
template <class Shade>
void ShadeEachPixel(Canvas& canvas, Shade shade) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            canvas.SetRaw(x, y, shade(x, y));
        }
    }
}

inline double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Lit relief for a background that wraps: the relief is built with a margin
// above and below holding the wrapped copies, so the lighting of the top and
// bottom rows sees their true neighbours; Finish() crops it to the picture.
class WrappedRelief {
public:
    WrappedRelief(int width, int height) : height_(height), relief_(width, height + 2 * Margin) {}

    Relief& Surface() { return relief_; }
    // Calls draw(offset) with the vertical offsets at which a motif placed
    // in picture coordinates must be added to the surface.
    template <class Draw>
    void Place(Draw draw) {
        Wrapped(height_, [&](double offset) { draw(offset + Margin); });
    }
    Canvas Finish() const {
        return relief_.Render(Rgb(255, 0, 255), false).Crop(0, Margin, relief_.Width(), height_);
    }

private:
    static constexpr int Margin = 4;
    int height_;
    Relief relief_;
};
