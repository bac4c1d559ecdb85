// SPDX-License-Identifier: MIT
// The small regular enemies, all flying down the screen: the Piaf, a little
// bird-drone that flaps its wings; the Missile, long and falling nose first
// with a flickering exhaust; the DarkMetroid, a dark jellyfish whose nuclei
// pulse. Their hit frames are their normal files.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

Canvas Piaf(Rgb key, bool wingsUp) {
    constexpr double Axis = 16.0;
    Relief relief(32, 9);
    const std::vector<Point> wing =
        wingsUp ? std::vector<Point>{{14.5, 3.5}, {6, 1.2}, {2, 1.4}, {3, 2.8}, {13.5, 6}}
                : std::vector<Point>{{14.5, 3.2}, {6, 6.2}, {2.5, 7.6}, {4.5, 7.8}, {13.5, 6.2}};
    AddMirrored(relief, wing, Axis, {Rgb(236, 130, 40), 1.5, 0.0, 0.4}, 1.0);
    const std::vector<Point> tip =
        wingsUp ? std::vector<Point>{{6, 1.2}, {2, 1.4}, {3, 2.8}, {6.5, 2.6}}
                : std::vector<Point>{{6, 6.2}, {2.5, 7.6}, {4.5, 7.8}, {7, 7}};
    relief.Paint(Polygon(tip), Rgb(250, 220, 90));
    relief.Paint(Polygon(MirrorX(tip, Axis)), Rgb(250, 220, 90));
    relief.Add(Ellipse(Axis, 4.3, 3.1, 3.6), {Rgb(206, 58, 44), 3.0, 1.0, 0.6});
    relief.Add(Polygon({{14.8, 6.5}, {17.2, 6.5}, {16, 8.6}}, 1.0), {Rgb(255, 214, 60), 1.0, 2.0});
    relief.Paint(Ellipse(14.8, 4.8, 0.7, 0.7), Rgb(255, 255, 160), true);
    relief.Paint(Ellipse(17.2, 4.8, 0.7, 0.7), Rgb(255, 255, 160), true);
    return relief.Render(key);
}

Canvas Missile(Rgb key, bool longFlame) {
    constexpr double Axis = 14.5;
    Relief relief(29, 162);
    // Exhaust at the top: the missile falls nose first.
    const double flameTop = longFlame ? 1.5 : 7.0;
    relief.AddGradient(Capsule({Axis, 22}, {Axis, flameTop + 3}, 4.6, 2.0),
                       {Rgb(255, 180, 50), 1.0, 0.0, 0.0, true}, Rgb(230, 60, 20));
    relief.AddGradient(Capsule({Axis, 22}, {Axis, flameTop + 8}, 2.6, 0.8),
                       {Rgb(255, 255, 220), 1.0, 0.0, 0.0, true}, Rgb(255, 200, 80));
    AddMirrored(relief, {{9, 24}, {1.5, 38}, {1.5, 44}, {9, 40}}, Axis,
                {Rgb(180, 40, 40), 2.0, 1.0, 0.4}, 1.5);
    relief.Add(Symmetric({{9, 22}, {8.8, 140}, {10.5, 150}, {Axis, 160}}, Axis, 5.0),
               {Rgb(226, 226, 220), 5.0, 0.0, 0.7});
    relief.Add(Capsule({Axis, 20}, {Axis, 25}, 4.0), {Rgb(90, 90, 100), 3.0, 1.0, 0.5});
    // Bands and the warhead.
    for (const double y : {48.0, 98.0}) {
        relief.Paint(Polygon({{5, y}, {24, y}, {24, y + 5}, {5, y + 5}}), Rgb(200, 40, 40));
    }
    relief.Paint(Polygon({{5, 132}, {24, 132}, {24, 162}, {5, 162}}), Rgb(200, 40, 40));
    relief.Paint(Ellipse(Axis, 118, 1.5, 6), Rgb(40, 40, 52));
    AddMirrored(relief, {{9.5, 100}, {5, 112}, {5, 116}, {9.5, 112}}, Axis,
                {Rgb(180, 40, 40), 1.5, 5.0, 0.4}, 1.0);
    // The seeker's eye at the nose.
    relief.Paint(Ellipse(Axis, 152, 1.8, 2.4), Rgb(255, 230, 120), true);
    return relief.Render(key);
}

Canvas DarkMetroid(Rgb key, bool pulse) {
    constexpr double Axis = 16.0;
    Relief relief(32, 29);
    // Fangs and tentacles hang below the dome.
    const double swing = pulse ? 1.5 : -1.0;
    for (const double side : {-1.0, 1.0}) {
        relief.Add(Capsule({Axis + side * 5, 17}, {Axis + side * (9 + swing), 26.5}, 2.0, 0.8),
                   {Rgb(120, 90, 70), 2.0, 0.0, 0.5});
        relief.Add(
            Capsule({Axis + side * 2.5, 18}, {Axis + side * (3 - swing * 0.5), 25}, 1.6, 0.6),
            {Rgb(150, 110, 80), 2.0, 0.0, 0.5});
    }
    relief.AddGradient(Ellipse(Axis, 11.5, 13.5, 9.5), {Rgb(120, 60, 150), 7.0, 0.0, 0.8},
                       Rgb(40, 24, 60));
    // Three nuclei inside the membrane; they swell on the pulse.
    const double size = pulse ? 2.8 : 2.2;
    const Point nuclei[] = {{Axis - 5.5, 12}, {Axis + 5.5, 12}, {Axis, 7.5}};
    for (const Point& n : nuclei) {
        relief.AddGradient(Ellipse(n.x, n.y, size, size), {Rgb(255, 90, 70), 2.0, 5.0, 0.3, true},
                           Rgb(150, 20, 40));
    }
    relief.Paint(Ellipse(Axis - 5, 6, 2.5, 1.2), Rgb(200, 160, 230));
    return relief.Render(key);
}

}  // namespace

void DrawSmallEnemies(AssetWriter& writer) {
    // Their hit frames are their normal files: no flash images.
    WriteFrames(
        writer,
        {{"Images/Ennemis/Piaf/Piaf.png", "Images/Ennemis/Piaf/Piaf1.png"}, {nullptr, nullptr}},
        [](Rgb key, int frame) { return Piaf(key, frame == 0); });
    WriteFrames(writer,
                {{"Images/Ennemis/Missile/Missile.png", "Images/Ennemis/Missile/Missile1.png"},
                 {nullptr, nullptr}},
                [](Rgb key, int frame) { return Missile(key, frame == 0); });
    WriteFrames(writer,
                {{"Images/Ennemis/DarkMetroid/DarkMetroid.png",
                  "Images/Ennemis/DarkMetroid/DarkMetroid1.png"},
                 {nullptr, nullptr}},
                [](Rgb key, int frame) { return DarkMetroid(key, frame == 1); });
}
