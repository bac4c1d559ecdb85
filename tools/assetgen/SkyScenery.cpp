// SPDX-License-Identifier: MIT
// The sky levels: Nuages1, a strip of bright sky with banks of white cloud
// lit from above, and Pluie1, a dark grey-blue storm with rain streaking down.
// Both wrap vertically without a seam.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"
#include "Scenery.h"

namespace {

void DrawClouds(AssetWriter& writer) {
    const char* path = "Images/Panorama/Nuages1.png";
    Canvas sky = writer.Blank(path);
    const int width = sky.Width();
    const int height = sky.Height();
    const TilingNoise banks(101, width, height, 3, 11);
    const TilingNoise wisps(102, width, height, 6, 26);
    const TilingNoise tint(103, width, height, 1, 4);
    const Rgb deep(58, 128, 214), pale(120, 180, 238);
    const Rgb shadow(150, 170, 206), light(252, 253, 255);
    ShadeEachPixel(sky, [&](int x, int y) {
        const Rgb blue = Mix(deep, pale, tint.Fractal(x, y, 2));
        const double density = banks.Fractal(x, y, 5);
        // Light comes from above: a cloud is brighter where the cloud thins
        // out just above it.
        const double above = banks.Fractal(x - 3, y - 7, 5);
        const double cover = SmoothStep(0.52, 0.6, density);
        const double lit = std::clamp(0.55 + (density - above) * 9.0, 0.0, 1.0);
        const Rgb colour = Mix(blue, Mix(shadow, light, lit), cover);
        const double haze = SmoothStep(0.55, 0.75, wisps.Fractal(x, y, 3)) * 0.35;
        return Mix(colour, light, haze * (1.0 - cover));
    });
    writer.Image(path, sky);
}

void DrawRain(AssetWriter& writer) {
    const char* path = "Images/Panorama/Pluie1.png";
    Canvas storm = writer.Blank(path);
    const int width = storm.Width();
    const int height = storm.Height();
    const TilingNoise clouds(201, width, height, 4, 3);
    const Rgb dark(28, 36, 52), grey(78, 90, 112);
    ShadeEachPixel(storm, [&](int x, int y) {
        return Mix(dark, grey, SmoothStep(0.3, 0.75, clouds.Fractal(x, y, 5)));
    });
    // Streaks falling slightly slanted; each fades towards its tail.
    Random random(202);
    for (int drop = 0; drop < 900; ++drop) {
        const double x = random.Range(0, width);
        const double y = random.Range(0, height);
        const int length = 8 + random.Below(22);
        const double strength = random.Range(0.18, 0.5);
        Wrapped(height, [&](double offset) {
            for (int i = 0; i < length; ++i) {
                const int px = static_cast<int>(x + i * 0.22);
                const int py = static_cast<int>(y + offset + i);
                if (storm.Contains(px, py)) {
                    storm.Blend(px, py, Rgb(200, 214, 236), strength * (0.3 + 0.7 * i / length));
                }
            }
        });
    }
    writer.Image(path, storm);
}

}  // namespace

void DrawSkyScenery(AssetWriter& writer) {
    DrawClouds(writer);
    DrawRain(writer);
}
