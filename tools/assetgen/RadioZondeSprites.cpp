// SPDX-License-Identifier: MIT
// The first boss, RadioZonde: a huge radio-sonde station hanging under a
// striped balloon, with its transmitter pod, rigging, gondola, solar wings,
// dishes and a long antenna mast. Its two frames blink its beacons; the hit
// flash is a whitened copy.
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"
#include "SpriteEffects.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Axis = 157.0;
const Rgb Steel(150, 158, 172);
const Rgb BeaconOn(255, 70, 50);
const Rgb BeaconOff(110, 36, 36);

void AddBalloon(Relief& relief) {
    constexpr double cx = Axis, cy = 98, rx = 120, ry = 93;
    const Ellipse envelope(cx, cy, rx, ry);
    relief.Add(envelope, {Rgb(236, 232, 222), 40.0, 0.0, 0.5});
    // Gores: alternating red and white panels between seams that run from
    // the crown to the neck.
    relief.PaintBy(envelope, [&](int x, int y, Rgb) {
        const double v = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(1e-6, 1.0 - v * v));
        const double longitude = std::asin(std::clamp((x + 0.5 - cx) / half, -1.0, 1.0));
        const double gore = (longitude + Pi / 2) / (Pi / 10);
        const double within = gore - std::floor(gore);
        if (within < 0.06 || within > 0.94) {
            return Rgb(120, 110, 104);
        }
        return static_cast<int>(gore) % 2 == 0 ? Rgb(226, 72, 50) : Rgb(238, 234, 224);
    });
}

void AddRigging(Relief& relief) {
    const double tops[] = {96, 124, 190, 218};
    const double bottoms[] = {118, 138, 176, 196};
    for (int i = 0; i < 4; ++i) {
        relief.Add(Capsule({tops[i], 176}, {bottoms[i], 236}, 1.3),
                   {Rgb(90, 84, 80), 1.0, 1.0, 0.2});
    }
}

void AddTransmitter(Relief& relief, bool lit) {
    relief.Add(Capsule({Axis, 186}, {Axis, 206}, 13.0), {Steel, 8.0, 2.0, 0.6});
    relief.Add(Ellipse(Axis, 172, 24, 24), {Rgb(170, 176, 190), 18.0, 4.0, 0.8});
    relief.Engrave(
        Polygon({{Axis - 24, 170}, {Axis + 24, 170}, {Axis + 24, 173}, {Axis - 24, 173}}), 4.0);
    relief.AddGradient(Ellipse(Axis, 172, 12, 12),
                       {lit ? Rgb(200, 255, 255) : Rgb(150, 235, 255), 2.0, 20.0, 0.0, true},
                       Rgb(20, 110, 190));
    relief.Paint(Ellipse(Axis - 4, 168, 3, 2.5), Rgb(245, 255, 255), true);
}

void AddGondola(Relief& relief, int frame) {
    // Solar wings on both sides.
    for (const double side : {-1.0, 1.0}) {
        const double inner = Axis + side * 48;
        const double outer = Axis + side * 116;
        relief.Add(Capsule({inner, 258}, {Axis + side * 40, 258}, 3.0), {Steel, 2.0, 2.0, 0.5});
        relief.Add(Polygon({{std::min(inner, outer), 246},
                            {std::max(inner, outer), 246},
                            {std::max(inner, outer), 272},
                            {std::min(inner, outer), 272}},
                           2.0),
                   {Rgb(40, 70, 160), 2.0, 1.0, 0.9});
        for (int cell = 0; cell < 6; ++cell) {
            const double x = std::min(inner, outer) + 1 + cell * 11.3;
            relief.Engrave(Polygon({{x, 247}, {x + 1.2, 247}, {x + 1.2, 271}, {x, 271}}, 1.0), 1.5);
        }
        relief.Engrave(Polygon({{std::min(inner, outer), 258.5},
                                {std::max(inner, outer), 258.5},
                                {std::max(inner, outer), 259.8},
                                {std::min(inner, outer), 259.8}},
                               1.0),
                       1.5);
    }
    relief.Add(RoundedRect(110, 232, 94, 50, 8, 5.0), {Rgb(196, 184, 150), 8.0, 2.0, 0.5});
    relief.Paint(Polygon({{110, 262}, {204, 262}, {204, 268}, {110, 268}}), Rgb(226, 72, 50));
    for (int window = 0; window < 6; ++window) {
        const bool on = (window + frame) % 2 == 0;
        relief.Paint(RoundedRect(118 + window * 14.5, 242, 9, 12, 2),
                     on ? Rgb(255, 230, 120) : Rgb(120, 100, 60), on);
    }
    // Dishes pointing out to the sides.
    for (const double side : {-1.0, 1.0}) {
        const double x = Axis + side * 58;
        relief.Add(Capsule({Axis + side * 46, 286}, {x, 300}, 2.0), {Steel, 1.5, 3.0, 0.5});
        relief.AddGradient(Ellipse(x, 304, 13, 9), {Rgb(230, 232, 238), 6.0, 3.0, 0.7},
                           Rgb(120, 124, 136));
        relief.Add(Ellipse(x, 304, 2.5, 2.5), {Rgb(90, 90, 100), 2.0, 8.0, 0.5});
    }
}

void AddMast(Relief& relief, int frame) {
    relief.Add(Capsule({Axis, 282}, {Axis, 334}, 3.0, 1.8), {Steel, 2.0, 3.0, 0.6});
    for (const double y : {296.0, 312.0, 326.0}) {
        const double half = (340 - y) * 0.5;
        relief.Add(Capsule({Axis - half, y}, {Axis + half, y}, 1.3), {Steel, 1.0, 3.0, 0.5});
    }
    relief.AddGradient(Ellipse(Axis, 337, 4, 4),
                       {frame == 0 ? BeaconOn : BeaconOff, 1.0, 5.0, 0.0, true}, Rgb(90, 20, 20));
}

Canvas RadioZonde(Rgb key, int frame) {
    Relief relief(314, 344);
    AddRigging(relief);
    AddBalloon(relief);
    AddGondola(relief, frame);
    AddTransmitter(relief, frame == 0);
    AddMast(relief, frame);
    // Beacons on the crown and the sides of the envelope blink in turn.
    const Point beacons[] = {{Axis, 9}, {44, 100}, {270, 100}};
    for (int i = 0; i < 3; ++i) {
        const bool on = (i == 0) == (frame == 0);
        relief.AddGradient(Ellipse(beacons[i].x, beacons[i].y, 4, 4),
                           {on ? BeaconOn : BeaconOff, 1.0, 40.0, 0.0, true}, Rgb(90, 20, 20));
    }
    return relief.Render(key);
}

}  // namespace

void DrawRadioZonde(AssetWriter& writer) {
    // Both frames share one flash image.
    WriteFrames(
        writer,
        {{"Images/Ennemis/RadioZonde/RadioZonde.png", "Images/Ennemis/RadioZonde/RadioZonde1.png"},
         {"Images/Ennemis/RadioZonde/RadioZonde_Flash.png", nullptr}},
        RadioZonde);
}
