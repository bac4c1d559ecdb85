// SPDX-License-Identifier: MIT
// The two big regular enemies, flying down the screen nose first: the
// AirBlade, a wide gunmetal flying wing lifted by two rotors whose blades turn
// between its frames, and the DarkAvionDuo, a dark twin-boom bomber whose
// propellers spin. Their hit frames are whitened copies on their own keys.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// A rotor seen from above: a faint disc of motion blur and three blades at
// the given angle.
void AddRotor(Relief& relief, Point centre, double radius, double angle, double base) {
    relief.Add(Ellipse(centre.x, centre.y, radius, radius), {Rgb(86, 92, 104), 0.5, base, 0.1});
    for (int blade = 0; blade < 3; ++blade) {
        const double a = angle + blade * 2 * Pi / 3;
        const Point tip{centre.x + std::cos(a) * (radius - 1),
                        centre.y + std::sin(a) * (radius - 1)};
        relief.Add(Capsule(centre, tip, 2.6, 1.6), {Rgb(200, 204, 214), 1.5, base + 0.5, 0.7});
    }
    relief.Add(Ellipse(centre.x, centre.y, 3.5, 3.5), {Rgb(240, 170, 40), 2.0, base + 1.0, 0.6});
}

Canvas AirBlade(Rgb key, int frame) {
    constexpr double Axis = 79.0;
    const Rgb metal(132, 136, 150);
    Relief relief(158, 94);
    // The wing sweeps forward to its tips; the nose points down.
    relief.Add(Symmetric({{70, 18}, {30, 30}, {4, 42}, {4, 50}, {30, 52}, {66, 58}}, Axis, 6.0),
               {metal, 5.0, 0.0, 0.5});
    AddMirrored(relief, {{4, 42}, {14, 38}, {16, 50}, {4, 50}}, Axis,
                {Rgb(240, 150, 30), 3.0, 1.0, 0.5}, 2.0);
    relief.Engrave(Polygon({{20, 45}, {62, 41}, {62, 43}, {20, 47}}, 1.0), 2.0);
    relief.Engrave(Polygon({{96, 41}, {138, 45}, {138, 47}, {96, 43}}, 1.0), 2.0);
    // Central hull with its gun and cockpit.
    relief.Add(
        Symmetric({{Axis, 6}, {70, 12}, {64, 30}, {66, 62}, {72, 80}, {Axis, 88}}, Axis, 8.0),
        {Rgb(150, 154, 168), 8.0, 2.0, 0.6});
    relief.Add(Ellipse(Axis, 40, 7, 7), {Rgb(60, 62, 72), 3.0, 6.0, 0.5});
    relief.AddGradient(Ellipse(Axis, 40, 3.5, 3.5), {Rgb(255, 120, 200), 1.0, 9.0, 0.0, true},
                       Rgb(180, 30, 120));
    relief.AddGradient(Ellipse(Axis, 66, 5, 9), {Rgb(255, 110, 80), 2.0, 9.0, 0.0, true},
                       Rgb(120, 20, 30));
    relief.Paint(Ellipse(Axis - 1.5, 61, 1.6, 3), Rgb(255, 220, 200), true);
    // Two engine pods with their rotors in front.
    for (const double side : {-1.0, 1.0}) {
        const double x = Axis + side * 36;
        relief.Add(Capsule({x, 30}, {x, 62}, 7.5, 6.0), {Rgb(100, 104, 118), 6.0, 4.0, 0.6});
        relief.Paint(Polygon({{x - 8, 36}, {x + 8, 36}, {x + 8, 40}, {x - 8, 40}}),
                     Rgb(240, 150, 30));
        AddRotor(relief, {x, 70}, 19.0, (frame == 0 ? 0.3 : 1.35) * side, 10.0);
    }
    // Warning lights on the wing tips.
    relief.Paint(Ellipse(8, 46, 2, 2), frame == 0 ? Rgb(255, 60, 50) : Rgb(120, 30, 30), true);
    relief.Paint(Ellipse(150, 46, 2, 2), frame == 0 ? Rgb(120, 30, 30) : Rgb(255, 60, 50), true);
    return relief.Render(key);
}

// A propeller disc: the blades as a cross at the given angle over a faint blur.
void AddPropeller(Relief& relief, Point centre, double radius, double angle) {
    relief.Add(Ellipse(centre.x, centre.y, radius, radius * 0.45),
               {Rgb(70, 64, 82), 0.5, 8.0, 0.1});
    for (int blade = 0; blade < 2; ++blade) {
        const double a = angle + blade * Pi;
        const Point tip{centre.x + std::cos(a) * radius, centre.y + std::sin(a) * radius * 0.45};
        relief.Add(Capsule(centre, tip, 1.8, 1.2), {Rgb(170, 160, 180), 1.0, 9.0, 0.6});
    }
}

Canvas DarkAvionDuo(Rgb key, int frame) {
    constexpr double Axis = 46.0;
    const Rgb dark(78, 70, 96);
    const Rgb trim(200, 40, 60);
    Relief relief(92, 124);
    // Tailplane joining the two booms at the back (top of the sprite).
    relief.Add(Polygon({{20, 10}, {72, 10}, {72, 20}, {20, 20}}, 3.0), {dark, 3.0, 0.0, 0.4});
    for (const double side : {-1.0, 1.0}) {
        relief.Add(Polygon({{Axis + side * 18 - 4, 4},
                            {Axis + side * 18 + 4, 4},
                            {Axis + side * 18 + 3, 22},
                            {Axis + side * 18 - 3, 22}},
                           2.0),
                   {trim, 3.0, 3.0, 0.4});
    }
    // The main wing.
    relief.Add(Symmetric({{Axis, 44}, {10, 50}, {3, 56}, {3, 64}, {12, 68}, {Axis, 70}}, Axis, 5.0),
               {Rgb(92, 84, 112), 4.0, 1.0, 0.5});
    AddMirrored(relief, {{3, 56}, {9, 52}, {9, 67}, {3, 64}}, Axis, {trim, 2.0, 2.0, 0.4}, 1.5);
    // Two booms with the engines at their noses.
    for (const double side : {-1.0, 1.0}) {
        const double x = Axis + side * 18;
        relief.Add(Symmetric({{x, 6}, {x - 6, 24}, {x - 7.5, 90}, {x - 5, 108}, {x, 113}}, x, 7.0),
                   {dark, 7.0, 3.0, 0.6});
        relief.Paint(Polygon({{x - 8, 80}, {x + 8, 80}, {x + 8, 86}, {x - 8, 86}}), trim);
        relief.AddGradient(Ellipse(x, 30, 2.5, 5), {Rgb(255, 150, 60), 1.0, 8.0, 0.0, true},
                           Rgb(180, 50, 20));
        AddPropeller(relief, {x, 114}, 12.0, frame == 0 ? 0.25 : Pi / 2 + 0.25);
    }
    // The central pod with the gunner's canopy, where the shots leave.
    relief.Add(Symmetric({{Axis, 34}, {Axis - 8, 44}, {Axis - 8, 80}, {Axis - 4, 92}, {Axis, 95}},
                         Axis, 6.0),
               {Rgb(100, 92, 120), 7.0, 4.0, 0.6});
    relief.AddGradient(Ellipse(Axis, 74, 5, 8), {Rgb(120, 255, 200), 2.0, 10.0, 0.0, true},
                       Rgb(20, 90, 80));
    relief.Paint(Ellipse(Axis - 1.5, 70, 1.5, 2.5), Rgb(230, 255, 245), true);
    return relief.Render(key);
}

}  // namespace

void DrawPlaneEnemies(AssetWriter& writer) {
    WriteFrames(
        writer,
        {{"Images/Ennemis/AirBlade/Air_Blade.png", "Images/Ennemis/AirBlade/Air_Blade1.png"},
         {"Images/Ennemis/AirBlade/Air_Blade_Touche.png",
          "Images/Ennemis/AirBlade/Air_Blade_Touche1.png"}},
        AirBlade);
    WriteFrames(writer,
                {{"Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo.png",
                  "Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1.png"},
                 {"Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo_Flash.png",
                  "Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1_Flash.png"}},
                DarkAvionDuo);
}
