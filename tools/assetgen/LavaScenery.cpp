// SPDX-License-Identifier: MIT
// The lava level, Lave: dark cracked rock with rivers of glowing lava winding
// down through it, their crust breaking up, and embers glowing in the cracks.
// It wraps vertically without a seam.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Scenery.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// A river's centre line: a sum of waves that each repeat a whole number of
// times over the picture's height, so the river joins itself across the seam.
struct River {
    double x;
    double width;
    double waves[3][3];  // amplitude, repeats over the height, phase

    double CentreAt(double y, double height) const {
        double centre = x;
        for (const auto& wave : waves) {
            centre += wave[0] * std::sin(2 * Pi * wave[1] * y / height + wave[2]);
        }
        return centre;
    }
};

}  // namespace

void DrawLavaScenery(AssetWriter& writer) {
    const char* path = "Images/Panorama/Lave.png";
    Canvas lava = writer.Blank(path);
    const int width = lava.Width();
    const int height = lava.Height();
    const TilingNoise rock(401, width, height, 8, 6);
    const TilingNoise crust(402, width, height, 12, 9);
    const TilingCells cracks(403, width, height, 10, 8);
    const River rivers[] = {
        {250, 26, {{60, 1, 0.3}, {22, 2, 1.9}, {9, 5, 0.7}}},
        {430, 16, {{40, 1, 2.4}, {18, 3, 0.2}, {6, 7, 1.1}}},
        {110, 10, {{30, 2, 1.0}, {12, 3, 2.6}, {5, 6, 0.4}}},
    };
    const Rgb basalt(34, 28, 30), ash(78, 66, 62);
    const Rgb ember(170, 30, 10), molten(255, 120, 10), core(255, 236, 140);
    ShadeEachPixel(lava, [&](int x, int y) {
        const double n = rock.Fractal(x, y, 5);
        Rgb colour = Mix(basalt, ash, SmoothStep(0.35, 0.8, n));
        // Glowing cracks between the rock slabs.
        const CellSample cell = cracks.At(x, y);
        const double crack = 1.0 - SmoothStep(0.0, 3.0, cell.second - cell.nearest);
        colour = Mix(colour, Mix(ember, molten, crack), crack * 0.8);
        // Rivers: heat falls off with the distance from the centre line.
        double heat = -1.0;
        for (const River& river : rivers) {
            const double distance = std::fabs(x - river.CentreAt(y, height));
            heat = std::max(heat, 1.0 - distance / river.width);
        }
        if (heat > -0.6) {  // the rock glows beside the flow
            const double glow = SmoothStep(-0.6, 0.0, heat);
            colour = Mix(colour, Mix(colour, ember, 0.7), glow * 0.6);
        }
        if (heat > 0.0) {
            const double c = crust.Fractal(x, y, 4);
            Rgb flow =
                heat > 0.5 ? Mix(molten, core, (heat - 0.5) / 0.5) : Mix(ember, molten, heat / 0.5);
            // Dark crust floating on the cooler edges of the flow.
            const double crusted = SmoothStep(0.55, 0.62, c) * (1.0 - heat);
            flow = Mix(flow, Rgb(60, 30, 26), crusted * 0.85);
            colour = Mix(colour, flow, SmoothStep(0.0, 0.15, heat));
        }
        return colour;
    });
    writer.Image(path, lava);
}
