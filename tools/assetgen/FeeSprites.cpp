// SPDX-License-Identifier: MIT
// The third boss, Fee: a fairy with golden hair, a rose dress and four
// shimmering wings, holding a glowing star orb from which her shots fly. Her
// two frames beat the wings; the flash frames are whitened copies.
#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

constexpr double Axis = 22.5;
const Rgb Skin(255, 214, 184);

Canvas Fee(Rgb key, bool wingsUp) {
    Relief relief(45, 74);
    const Material wing{Rgb(236, 250, 255), 1.0, 0.0, 0.0, true};
    const Rgb wingRim(170, 120, 230);
    for (const double side : {-1.0, 1.0}) {
        auto at = [&](double dx, double y) { return Point{Axis + side * dx, y}; };
        const Point upperTip = wingsUp ? at(18, 8) : at(19, 22);
        const Point lowerTip = wingsUp ? at(16, 44) : at(14, 48);
        relief.AddGradient(Capsule(at(3, 28), upperTip, 2.0, 6.5), wing, wingRim);
        relief.AddGradient(Capsule(at(3, 33), lowerTip, 2.0, 4.5), wing, wingRim);
    }
    // Legs, dress and arms.
    for (const double side : {-1.0, 1.0}) {
        relief.Add(Capsule({Axis + side * 3, 50}, {Axis + side * 3.5, 64}, 2.2, 1.8),
                   {Skin, 2.0, 0.0, 0.4});
        relief.Add(Ellipse(Axis + side * 3.8, 65.5, 2.6, 2.0), {Rgb(240, 90, 170), 2.0, 1.0, 0.6});
    }
    relief.Add(Polygon({{Axis, 20},
                        {Axis + 5.5, 24},
                        {Axis + 4, 34},
                        {Axis + 12, 54},
                        {Axis - 12, 54},
                        {Axis - 4, 34},
                        {Axis - 5.5, 24}},
                       3.0),
               {Rgb(238, 96, 170), 4.0, 2.0, 0.6});
    relief.Paint(Polygon({{Axis - 12, 51}, {Axis + 12, 51}, {Axis + 12, 54}, {Axis - 12, 54}}),
                 Rgb(255, 220, 120));
    for (const double side : {-1.0, 1.0}) {
        relief.Add(Capsule({Axis + side * 5, 25}, {Axis + side * 6, 36}, 1.8, 1.6),
                   {Skin, 2.0, 4.0, 0.4});
        relief.Add(Capsule({Axis + side * 6, 36}, {Axis + side * 2.5, 42}, 1.6, 1.5),
                   {Skin, 2.0, 5.0, 0.4});
    }
    // The star orb in her hands.
    relief.AddGradient(Ellipse(Axis, 44, 4.2, 4.2), {Rgb(255, 255, 230), 1.0, 8.0, 0.0, true},
                       Rgb(255, 170, 60));
    // Head: hair behind, face, eyes, a tiara with two glowing antennae.
    relief.Add(Ellipse(Axis, 12.5, 8.5, 9), {Rgb(250, 200, 70), 5.0, 3.0, 0.6});
    relief.Add(Ellipse(Axis, 14.5, 5.6, 6.2), {Skin, 4.0, 5.0, 0.3});
    for (const double side : {-1.0, 1.0}) {
        relief.Paint(Ellipse(Axis + side * 2.2, 14.5, 0.8, 1.2), Rgb(60, 40, 120));
        relief.Add(Capsule({Axis + side * 2, 5}, {Axis + side * 5, 1.5}, 0.7),
                   {Rgb(255, 220, 120), 1.0, 6.0});
        relief.Paint(Ellipse(Axis + side * 5, 1.8, 1.1, 1.1), Rgb(255, 255, 200), true);
    }
    relief.Paint(Ellipse(Axis, 18.2, 1.4, 0.6), Rgb(220, 90, 110));
    // A trail of sparkles below her.
    relief.Paint(Ellipse(Axis, 70.5, 1.2, 1.2), Rgb(255, 255, 220), true);
    relief.Add(Ellipse(Axis, 70.5, 1.3, 1.3), {Rgb(255, 255, 200), 1.0, 0.0, 0.0, true});
    return relief.Render(key);
}

}  // namespace

void DrawFee(AssetWriter& writer) {
    WriteFrames(writer,
                {{"Images/Ennemis/Fee/Fee1.png", "Images/Ennemis/Fee/Fee2.png"},
                 {"Images/Ennemis/Fee/Fee1_Flash.png", "Images/Ennemis/Fee/Fee2_Flash.png"}},
                [](Rgb key, int frame) { return Fee(key, frame == 0); });
}
