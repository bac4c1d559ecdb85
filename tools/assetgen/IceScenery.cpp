// SPDX-License-Identifier: MIT
// The ice level, Glace: pale cyan ice floes with snow-crusted tops and bright
// rims, drifting on a deep cold sea whose shallows glow around them. It wraps
// vertically without a seam.
#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"
#include "Scenery.h"

void DrawIceScenery(AssetWriter& writer) {
    const char* path = "Images/Panorama/Glace.png";
    Canvas ice = writer.Blank(path);
    const int width = ice.Width();
    const int height = ice.Height();
    const TilingCells floes(501, width, height, 7, 5);
    const TilingNoise waves(502, width, height, 10, 8);
    const TilingNoise snow(503, width, height, 16, 12);
    const Rgb deep(10, 34, 70), sea(24, 70, 118), shallow(80, 170, 200);
    const Rgb iceShadow(150, 206, 226), icePale(214, 244, 252), rim(250, 255, 255);
    ShadeEachPixel(ice, [&](int x, int y) {
        const CellSample cell = floes.At(x, y);
        const double gap = cell.second - cell.nearest;  // distance to the floe's edge, doubled
        // A few cells are open water.
        const bool water = HashUnit(504, static_cast<std::int64_t>(cell.id), 0) < 0.3;
        const double w = waves.Fractal(x, y, 4);
        Rgb colour = Mix(deep, sea, SmoothStep(0.3, 0.75, w));
        const double channel = water ? -1e9 : gap - 14.0;
        if (channel > -8.0 && channel <= 0.0) {
            colour = Mix(colour, shallow, SmoothStep(-8.0, 0.0, channel) * 0.7);
        }
        if (channel > 0.0) {
            // Lit from the upper left: the floe's top surface brightens
            // towards its upper-left edge.
            const CellSample upLeft = floes.At(x - 3, y - 3);
            const double slope = (upLeft.second - upLeft.nearest) - gap;
            const double s = snow.Fractal(x, y, 4);
            Rgb top = Mix(iceShadow, icePale, SmoothStep(0.3, 0.7, s));
            top = Scale(top, 1.0 - std::clamp(slope * 0.04, -0.08, 0.12));
            colour = channel < 2.0 ? rim : top;
        }
        return colour;
    });
    writer.Image(path, ice);
}
