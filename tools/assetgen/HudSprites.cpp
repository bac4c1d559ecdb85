// SPDX-License-Identifier: MIT
// The head-up display: the frame that covers both sides of the playfield,
// steel panels with rivets, lights and the game's name, its window in the
// key colour; and the lives gauge, six ship lamps of which as many glow as
// the ship has lives left (P1 all six, P7 none).
#include <string>

#include "AssetWriter.h"
#include "Generators.h"
#include "PixelFont.h"
#include "Relief.h"

namespace {

using assetcontract::PlayfieldLeft;
using assetcontract::PlayfieldRight;

const Material PanelSteel{Rgb(70, 80, 100), 3.0, 0.0, 0.4};
const Material Trim{Rgb(170, 180, 200), 4.0, 3.0, 0.8};

void AddSidePanel(Relief& relief, double left, double right) {
    relief.Add(Polygon({{left, 0}, {right, 0}, {right, 480}, {left, 480}}, 1.0),
               {Rgb(30, 34, 44), 0.0, 0.0, 0.0});
    for (int row = 0; row < 6; ++row) {
        const double top = row * 80.0 + 1, bottom = top + 78;
        relief.Add(
            Polygon({{left + 2, top}, {right - 2, top}, {right - 2, bottom}, {left + 2, bottom}},
                    3.0),
            PanelSteel);
        for (const double x : {left + 8, right - 8}) {
            for (const double y : {top + 6, bottom - 6}) {
                relief.Add(Ellipse(x, y, 2.2, 2.2), {Rgb(150, 156, 170), 1.5, 3.0, 0.8});
            }
        }
    }
}

void AddLamp(Relief& relief, double x, double y, Rgb colour) {
    relief.Add(Ellipse(x, y, 5, 5), {Rgb(40, 44, 54), 2.0, 3.0, 0.5});
    relief.AddGradient(Ellipse(x, y, 3.4, 3.4), {colour, 1.0, 5.0, 0.0, true}, Scale(colour, 0.45));
}

Canvas HudFrame(Rgb key) {
    Relief relief(640, 480);
    AddSidePanel(relief, 0, PlayfieldLeft);
    AddSidePanel(relief, PlayfieldRight + 1, 640);
    // Rails along the window's edges.
    for (const double x : {PlayfieldLeft - 5.0, PlayfieldRight + 6.0}) {
        relief.Add(Polygon({{x - 5, 0}, {x + 5, 0}, {x + 5, 480}, {x - 5, 480}}, 4.0), Trim);
    }
    // A radar scope under the gauge on the left, status lamps on the right.
    relief.Add(Ellipse(68, 150, 46, 46), {Rgb(40, 46, 58), 4.0, 3.0, 0.6});
    relief.AddGradient(Ellipse(68, 150, 40, 40), {Rgb(40, 150, 90), 1.0, 6.0, 0.0, true},
                       Rgb(10, 50, 30));
    relief.PaintBy(Ellipse(68, 150, 40, 40), [](int x, int y, Rgb colour) {
        const bool grid = (x - 68) % 13 == 0 || (y - 150) % 13 == 0;
        return grid ? Mix(colour, Rgb(150, 255, 180), 0.5) : colour;
    });
    relief.Paint(Ellipse(84, 138, 2.5, 2.5), Rgb(220, 255, 220), true);
    for (int i = 0; i < 5; ++i) {
        const Rgb colours[] = {Rgb(80, 255, 120), Rgb(255, 200, 60), Rgb(80, 200, 255),
                               Rgb(255, 80, 60), Rgb(80, 255, 120)};
        AddLamp(relief, 528 + i * 22, 30, colours[i]);
        AddLamp(relief, 528 + i * 22, 450, colours[4 - i]);
    }
    Canvas frame = relief.Render(key, false);
    // The game's name down the right-hand panel, one letter under the other.
    const TextStyle style =
        OutlinedText(4, Rgb(255, 236, 170), Rgb(230, 150, 40), Rgb(30, 24, 20), 2);
    const std::string name = "CORVANEL";
    for (size_t i = 0; i < name.size(); ++i) {
        const std::string letter(1, name[i]);
        DrawTextCentred(frame, 571, 70 + static_cast<int>(i) * 42, letter, style);
    }
    return frame;
}

// Lamps lit in green while the ship is well, amber when few lives remain, red
// for the last one.
Rgb LampColour(int lives) {
    if (lives >= 4) {
        return Rgb(90, 255, 170);
    }
    return lives >= 2 ? Rgb(255, 196, 50) : Rgb(255, 70, 50);
}

Canvas Gauge(Rgb key, int lives) {
    using assetcontract::GaugeHeight;
    using assetcontract::GaugeWidth;
    Relief relief(GaugeWidth, GaugeHeight);
    relief.Add(RoundedRect(1, 1, GaugeWidth - 2, GaugeHeight - 2, 8, 3.0),
               {Rgb(54, 62, 80), 3.0, 0.0, 0.5});
    relief.Add(RoundedRect(6, 22, GaugeWidth - 12, 30, 5, 2.0), {Rgb(22, 26, 34), 1.0, 1.0, 0.2});
    for (int lamp = 0; lamp < 6; ++lamp) {
        const double x = 17 + lamp * 20.4;
        const bool lit = lamp < lives;
        const std::vector<Point> arrow = {{x, 25}, {x + 8, 46}, {x, 41}, {x - 8, 46}};
        if (lit) {
            relief.AddGradient(Polygon(arrow, 3.0), {LampColour(lives), 1.0, 2.0, 0.0, true},
                               Scale(LampColour(lives), 0.5));
        } else {
            relief.Add(Polygon(arrow, 2.0), {Rgb(50, 56, 66), 1.0, 1.5, 0.3});
        }
    }
    Canvas gauge = relief.Render(key);
    const TextStyle style =
        OutlinedText(1, Rgb(220, 230, 250), Rgb(150, 170, 210), Rgb(20, 24, 32));
    DrawText(gauge, 12, 8, "SHIPS", style);
    DrawText(gauge, GaugeWidth - 12 - TextWidth(std::to_string(lives), 1), 8, std::to_string(lives),
             style);
    return gauge;
}

}  // namespace

void DrawHud(AssetWriter& writer) {
    writer.Image(assetcontract::FramePath, HudFrame(writer.Key(assetcontract::FramePath)));
    for (int picture = 1; picture <= assetcontract::GaugePictures; ++picture) {
        const std::string path = "Images/Jauge/P" + std::to_string(picture) + ".png";
        const int lives = assetcontract::GaugePictures - picture;
        writer.Image(path.c_str(), Gauge(writer.Key(path.c_str()), lives));
    }
}
