// SPDX-License-Identifier: MIT
// The industrial level, Indust: a strip of riveted steel plates crossed by
// pipes, with grilles, hazard stripes and warning lights, lit like metal. It
// joins its own bottom edge to its top edge.
#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"
#include "Scenery.h"

namespace {

constexpr int PlateRows = 10;
const double PlateColumns[] = {0, 96, 182, 270, 364};

void AddPlates(WrappedRelief& scene, int height, const TilingNoise& grime) {
    Relief& surface = scene.Surface();
    // Dark seams show between the plates.
    surface.Add(Polygon({{0, 0}, {364, 0}, {364, 9999}, {0, 9999}}, 1.0),
                {Rgb(36, 38, 44), 0.0, 0.0, 0.0});
    const double plateHeight = static_cast<double>(height) / PlateRows;
    for (int row = 0; row < PlateRows; ++row) {
        for (int column = 0; column + 1 < 5; ++column) {
            const double tone = HashUnit(301, row, column);
            const Rgb steel = Mix(Rgb(104, 110, 120), Rgb(138, 142, 150), tone);
            const double left = PlateColumns[column] + 1, right = PlateColumns[column + 1] - 1;
            scene.Place([&](double offset) {
                // Rows are shifted half a plate so the picture's own edge
                // falls inside a plate, where the wrap is smoothest.
                const double top = (row + 0.5) * plateHeight + 1 + offset;
                const double bottom = top + plateHeight - 2;
                surface.Add(
                    Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, 2.0),
                    {steel, 2.0, 0.0, 0.35});
                for (const double x : {left + 5, right - 5}) {
                    for (const double y : {top + 5, bottom - 5}) {
                        surface.Add(Ellipse(x, y, 2.2, 2.2), {Rgb(160, 164, 172), 1.5, 2.0, 0.8});
                    }
                }
            });
        }
    }
    // Grime and rust stains, tiling with the picture.
    surface.PaintBy(Polygon({{0, 0}, {364, 0}, {364, 9999}, {0, 9999}}, 1.0),
                    [&](int x, int y, Rgb colour) {
                        const double n = grime.Fractal(x, y - 4, 4);
                        const Rgb rust(120, 72, 44);
                        return Mix(colour, rust, SmoothStep(0.6, 0.8, n) * 0.55);
                    });
}

void AddPipes(WrappedRelief& scene, int height) {
    Relief& surface = scene.Surface();
    const Material pipe{Rgb(150, 130, 96), 7.0, 3.0, 0.6};
    const Material flange{Rgb(120, 104, 80), 9.0, 3.0, 0.6};
    const Material coolant{Rgb(70, 130, 150), 5.0, 3.0, 0.7};
    scene.Place([&](double offset) {
        surface.Add(Capsule({44, offset - 20}, {44, offset + height + 20}, 9.0), pipe);
        surface.Add(Capsule({320, offset - 20}, {320, offset + height + 20}, 6.0), coolant);
        for (int i = 0; i < 5; ++i) {
            const double y = offset + i * height / 5.0 + 30;
            surface.Add(Capsule({44, y - 3}, {44, y + 3}, 12.0), flange);
            surface.Add(Capsule({320, y + 50}, {320, y + 54}, 8.5), flange);
        }
        // Cross pipes bending down into the floor.
        surface.Add(Capsule({44, offset + 150}, {240, offset + 150}, 5.0), pipe);
        surface.Add(Ellipse(240, offset + 150, 8, 8), flange);
        surface.Add(Capsule({320, offset + 420}, {130, offset + 420}, 4.0), coolant);
        surface.Add(Ellipse(130, offset + 420, 7, 7), flange);
    });
}

void AddDetails(WrappedRelief& scene) {
    Relief& surface = scene.Surface();
    scene.Place([&](double offset) {
        // A grille of slots.
        surface.Add(RoundedRect(120, offset + 230, 110, 50, 4, 2.0),
                    {Rgb(80, 84, 92), 2.0, 0.5, 0.3});
        for (int slot = 0; slot < 9; ++slot) {
            const double x = 127 + slot * 11.5;
            surface.Engrave(Polygon({{x, offset + 236},
                                     {x + 6, offset + 236},
                                     {x + 6, offset + 274},
                                     {x, offset + 274}},
                                    1.0),
                            3.0);
        }
        // A hazard band across the strip.
        const Polygon band(
            {{64, offset + 322}, {300, offset + 322}, {300, offset + 338}, {64, offset + 338}},
            1.0);
        surface.Add(band, {Rgb(230, 190, 40), 1.5, 1.0, 0.3});
        surface.PaintBy(band, [&](int x, int y, Rgb colour) {
            return ((x + y) / 9) % 2 == 0 ? Rgb(40, 38, 36) : colour;
        });
        // Strip lights in dark housings, long and flat so that no one takes
        // them for bullets.
        for (const double y : {60.0, 196.0, 470.0}) {
            for (const Point at : {Point{100, y}, Point{268, y + 40}}) {
                surface.Add(RoundedRect(at.x - 14, offset + at.y - 5, 28, 10, 3, 2.0),
                            {Rgb(44, 46, 52), 2.0, 1.0, 0.4});
                surface.AddGradient(
                    Capsule({at.x - 9, offset + at.y}, {at.x + 9, offset + at.y}, 2.2),
                    {Rgb(200, 255, 230), 1.0, 3.0, 0.0, true}, Rgb(60, 160, 130));
            }
        }
    });
}

}  // namespace

void DrawIndustryScenery(AssetWriter& writer) {
    const char* path = "Images/Panorama/Indust.png";
    const assetcontract::ImageAsset& asset = writer.Contract(path);
    WrappedRelief scene(asset.Width(), asset.Height());
    const TilingNoise grime(302, asset.Width(), asset.Height(), 4, 6);
    AddPlates(scene, asset.Height(), grime);
    AddPipes(scene, asset.Height());
    AddDetails(scene);
    writer.Image(path, scene.Finish());
}
