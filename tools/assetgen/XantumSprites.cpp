// SPDX-License-Identifier: MIT
// The final boss, Xantum: a massive armoured warship-creature, a crimson
// carapace with bone plates and a crest of spikes, two clawed cannon arms
// reaching forward and a fanged prow, all around a great glowing eye from
// which its shots pour. Its frames pulse the eye and the vents; the hit
// flash is a whitened copy on a blue key.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Axis = 112.5;
constexpr double EyeY = 129.0;
const Rgb Crimson(150, 34, 46);
const Rgb Bone(226, 206, 164);
const Rgb Plate(96, 28, 52);

void AddArms(Relief& relief, bool pulse) {
    for (const double side : {-1.0, 1.0}) {
        auto at = [&](double dx, double y) { return Point{Axis + side * dx, y}; };
        relief.Add(Capsule(at(62, 110), at(88, 150), 14, 11), {Plate, 10.0, 0.0, 0.6});
        relief.Add(Capsule(at(88, 150), at(92, 200), 11, 9), {Crimson, 9.0, 2.0, 0.6});
        // The cannon at the end of each arm, muzzle forward.
        relief.Add(Capsule(at(92, 196), at(92, 228), 8, 6), {Rgb(110, 108, 120), 8.0, 4.0, 0.8});
        relief.AddGradient(Ellipse(Axis + side * 92, 229, 4.5, 4.5),
                           {pulse ? Rgb(255, 250, 200) : Rgb(255, 190, 80), 1.0, 10.0, 0.0, true},
                           Rgb(200, 60, 20));
        // Claws beside the muzzle.
        relief.Add(Capsule(at(82, 198), at(74, 226), 4.0, 1.2), {Bone, 3.0, 3.0, 0.6});
        relief.Add(Capsule(at(102, 198), at(108, 224), 4.0, 1.2), {Bone, 3.0, 3.0, 0.6});
        relief.Engrave(Capsule(at(89, 160), at(95, 160), 1.2), 3.0);
        relief.Engrave(Capsule(at(90, 175), at(95, 175), 1.2), 3.0);
    }
}

void AddCrest(Relief& relief) {
    // Spikes fanning out from the top of the carapace.
    for (int i = -3; i <= 3; ++i) {
        const double angle = -Pi / 2 + i * 0.32;
        const Point root{Axis + std::cos(angle) * 52, 92 + std::sin(angle) * 52};
        const Point tip{Axis + std::cos(angle) * 92, 92 + std::sin(angle) * (i == 0 ? 90 : 84)};
        const Point normal{-std::sin(angle) * 9, std::cos(angle) * 9};
        relief.Add(Polygon({{root.x + normal.x, root.y + normal.y},
                            tip,
                            {root.x - normal.x, root.y - normal.y}},
                           3.0),
                   {Bone, 5.0, 0.0, 0.6});
    }
}

void AddBody(Relief& relief) {
    relief.Add(Ellipse(Axis, 106, 74, 78), {Crimson, 26.0, 2.0, 0.6});
    // Bone plates in rings around the eye.
    for (int ring = 0; ring < 3; ++ring) {
        const double y = 52 + ring * 22;
        const double half = 56 - ring * 4;
        relief.Add(Symmetric({{Axis, y - 6},
                              {Axis - half * 0.6, y - 2},
                              {Axis - half, y + 8},
                              {Axis - half * 0.6, y + 6},
                              {Axis, y + 3}},
                             Axis, 3.0),
                   {Bone, 4.0, 24.0 - ring * 2, 0.6});
    }
    // Side plates and their seams.
    for (const double side : {-1.0, 1.0}) {
        relief.Add(Polygon(side < 0 ? std::vector<Point>{{44, 110}, {62, 98}, {66, 150}, {50, 160}}
                                    : MirrorX({{44, 110}, {62, 98}, {66, 150}, {50, 160}}, Axis),
                           4.0),
                   {Plate, 6.0, 16.0, 0.6});
    }
    // The prow below the eye with its fangs.
    relief.Add(Symmetric({{Axis, 150}, {Axis - 36, 160}, {Axis - 24, 196}, {Axis, 236}}, Axis, 6.0),
               {Plate, 12.0, 6.0, 0.6});
    for (const double side : {-1.0, 1.0}) {
        for (int fang = 0; fang < 3; ++fang) {
            const double x = Axis + side * (8 + fang * 7);
            const double y = 196 - fang * 11;
            relief.Add(Polygon({{x - 3, y}, {x + 3, y}, {x + side * 1.5, y + 14}}, 1.5),
                       {Bone, 3.0, 16.0, 0.6});
        }
    }
}

void AddEye(Relief& relief, bool pulse) {
    relief.Add(Ellipse(Axis, EyeY, 27, 25), {Rgb(60, 20, 40), 6.0, 26.0, 0.6});
    const double size = pulse ? 21.0 : 18.0;
    relief.AddGradient(Ellipse(Axis, EyeY, size, size * 0.92),
                       {pulse ? Rgb(255, 255, 210) : Rgb(255, 236, 140), 1.0, 30.0, 0.0, true},
                       pulse ? Rgb(255, 120, 40) : Rgb(200, 60, 20));
    relief.Paint(Ellipse(Axis, EyeY, 3.2, size * 0.75), Rgb(90, 10, 20), true);
    relief.Paint(Ellipse(Axis - 7, EyeY - 8, 3.5, 2.5), Rgb(255, 255, 240), true);
}

void AddVents(Relief& relief, bool pulse) {
    // Glowing vents along the flanks, lit in turn.
    for (int i = 0; i < 4; ++i) {
        const bool lit = (i % 2 == 0) == pulse;
        for (const double side : {-1.0, 1.0}) {
            const double x = Axis + side * (42 + i * 3);
            const double y = 72 + i * 18;
            relief.AddGradient(Ellipse(x, y, 3.5, 6),
                               {lit ? Rgb(120, 255, 220) : Rgb(40, 120, 110), 1.0, 28.0, 0.0, true},
                               Rgb(20, 70, 70));
        }
    }
}

Canvas Xantum(Rgb key, bool pulse) {
    Relief relief(225, 239);
    AddCrest(relief);
    AddArms(relief, pulse);
    AddBody(relief);
    AddVents(relief, pulse);
    AddEye(relief, pulse);
    return relief.Render(key);
}

}  // namespace

void DrawXantum(AssetWriter& writer) {
    // Both frames share one flash image.
    WriteFrames(writer,
                {{"Images/Ennemis/Xantum/Xantum.png", "Images/Ennemis/Xantum/Xantum1.png"},
                 {"Images/Ennemis/Xantum/Xantum_Flash.png", nullptr}},
                [](Rgb key, int frame) { return Xantum(key, frame == 1); });
}
