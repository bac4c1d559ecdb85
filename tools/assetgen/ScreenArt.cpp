// SPDX-License-Identifier: MIT
#include "ScreenArt.h"

#include <cmath>

#include "Random.h"
#include "Shapes.h"

void PaintNightSky(Canvas& canvas, Rgb top, Rgb bottom, std::uint64_t seed, int stars) {
    FillVerticalGradient(canvas, 0, 0, canvas.Width(), canvas.Height(), top, bottom);
    Random random(seed);
    for (int star = 0; star < stars; ++star) {
        const int x = random.Below(canvas.Width());
        const int y = random.Below(canvas.Height());
        const double fade = 1.0 - static_cast<double>(y) / canvas.Height();
        const double brightness = random.Range(0.3, 1.0) * fade;
        canvas.Blend(x, y, Rgb(255, 255, 240), brightness);
        if (brightness > 0.8) {
            // The brightest stars get a small cross of light.
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                canvas.Blend(x + dx, y + dy, Rgb(200, 220, 255), 0.45);
            }
        }
    }
}

void PaintPanel(Canvas& canvas, int x, int y, int width, int height, Rgb fill, Rgb border) {
    Fill(canvas, RoundedRect(x, y, width, height, 10), border);
    Paint(canvas, RoundedRect(x + 2, y + 2, width - 4, height - 4, 8), [&](int, int py, double) {
        return Mix(Scale(fill, 1.3), fill, (py - y) / (height + 0.0));
    });
}

TextStyle HeadlineStyle(int scale) {
    TextStyle style = OutlinedText(scale, Rgb(255, 246, 196), Rgb(236, 140, 30), Rgb(40, 20, 10),
                                   std::max(1, scale / 3));
    style.shadow = Rgb(10, 6, 20);
    style.shadowOffset = std::max(2, scale / 2);
    return style;
}

TextStyle CaptionStyle(int scale, Rgb colour) {
    return OutlinedText(scale, colour, Scale(colour, 0.8), Rgb(14, 14, 24));
}
