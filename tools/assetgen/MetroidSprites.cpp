// SPDX-License-Identifier: MIT
// The second boss, Metroid: a jellyfish-like organism, a glossy green
// membrane dome holding red nuclei over a fleshy rim with two pairs of hooked
// fangs. Between its frames the nuclei swell and the fangs open and close;
// the hit frames are whitened copies on their own key.
#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

constexpr double Axis = 41.0;

// A curved fang as a chain of tapering strokes through the given points.
void AddFang(Relief& relief, const std::vector<Point>& joints, double rootRadius) {
    const Material bone{Rgb(236, 214, 170), 3.0, 2.0, 0.6};
    for (size_t i = 0; i + 1 < joints.size(); ++i) {
        const double a = rootRadius * (1.0 - static_cast<double>(i) / joints.size());
        const double b = rootRadius * (1.0 - static_cast<double>(i + 1) / joints.size());
        relief.Add(Capsule(joints[i], joints[i + 1], a, std::max(0.7, b)), bone);
    }
}

Canvas Metroid(Rgb key, bool open) {
    Relief relief(82, 89);
    const double spread = open ? 4.0 : 0.0;
    for (const double side : {-1.0, 1.0}) {
        auto at = [&](double dx, double y) { return Point{Axis + side * dx, y}; };
        AddFang(relief, {at(17, 58), at(22 + spread, 68), at(23 + spread, 78), at(18 + spread, 86)},
                4.0);
        AddFang(relief, {at(7, 62), at(9 + spread * 0.5, 72), at(7 + spread * 0.5, 82)}, 3.2);
    }
    relief.Add(Ellipse(Axis, 60, 27, 8), {Rgb(170, 96, 100), 5.0, 3.0, 0.5});
    relief.PaintBy(Ellipse(Axis, 60, 27, 8),
                   [](int x, int, Rgb colour) { return x % 6 < 2 ? Scale(colour, 0.8) : colour; });
    // The membrane: glossy, lighter at its crest.
    relief.AddGradient(Ellipse(Axis, 33, 37, 29), {Rgb(150, 240, 130), 22.0, 5.0, 0.9},
                       Rgb(40, 130, 60));
    const double swell = open ? 1.25 : 1.0;
    const Point nuclei[] = {{Axis - 13, 38}, {Axis + 13, 38}, {Axis, 24}};
    for (const Point& n : nuclei) {
        relief.AddGradient(Ellipse(n.x, n.y, 7.5 * swell, 7 * swell),
                           {Rgb(255, 110, 80), 3.0, 20.0, 0.4, true}, Rgb(150, 20, 40));
        relief.Paint(Ellipse(n.x - 2, n.y - 2, 1.8, 1.5), Rgb(255, 210, 190), true);
    }
    relief.Paint(Ellipse(Axis - 16, 17, 7, 4), Rgb(220, 255, 210));
    return relief.Render(key);
}

}  // namespace

void DrawMetroid(AssetWriter& writer) {
    WriteFrames(writer,
                {{"Images/Ennemis/Metroid/Metroid.png", "Images/Ennemis/Metroid/Metroid1.png"},
                 {"Images/Ennemis/Metroid/Metroid_Touche.png",
                  "Images/Ennemis/Metroid/Metroid1_Touche.png"}},
                [](Rgb key, int frame) { return Metroid(key, frame == 1); });
}
