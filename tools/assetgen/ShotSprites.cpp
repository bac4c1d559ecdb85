// SPDX-License-Identifier: MIT
// Enemy and boss bullets: bright glowing orbs, rings and ice stars with a dark
// rim, so they stay visible on every background. Each comes in two images
// that the game alternates, a steady one and a pulsing one.
#include <cmath>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"
#include "Relief.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Palette {
    Rgb edge;
    Rgb glow;
    Rgb core;
};

const Material Light(Rgb colour) {
    return {colour, 1.0, 0.0, 0.0, true};
}

// A glowing orb filling a square of `size`; the pulsing image has a larger,
// whiter core and a thin bright ring inside the rim.
Canvas Orb(int size, Rgb key, const Palette& palette, bool pulsing) {
    const double centre = size / 2.0;
    const double radius = size / 2.0 - (size < 10 ? 1.0 : 1.6);
    Relief relief(size, size);
    relief.AddGradient(Ellipse(centre, centre, radius, radius), Light(palette.glow), palette.edge);
    if (pulsing) {
        relief.AddGradient(Ellipse(centre, centre, radius * 0.62, radius * 0.62),
                           Light(palette.core), palette.glow);
    } else {
        relief.AddGradient(Ellipse(centre - 0.5, centre - 0.5, radius * 0.45, radius * 0.45),
                           Light(palette.core), palette.glow);
    }
    return relief.Render(key);
}

Canvas Ring(int size, Rgb key, const Palette& palette) {
    const double centre = size / 2.0;
    Relief relief(size, size);
    relief.AddGradient(Ellipse(centre, centre, 6.3, 6.3), Light(palette.core), palette.edge);
    relief.Add(Ellipse(centre, centre, 4.2, 4.2), Light(palette.edge));
    Canvas ring = relief.Render(key);
    // The hole shows the background through the ring.
    ForEachInside(Ellipse(centre, centre, 3.2, 3.2), size, size,
                  [&](int x, int y, double) { ring.SetRaw(x, y, key); });
    return ring;
}

// A six-pointed ice star; the second image turns it by thirty degrees.
Canvas IceStar(int size, Rgb key, const Palette& palette, double turn) {
    const double centre = size / 2.0;
    Relief relief(size, size);
    std::vector<Point> star;
    for (int i = 0; i < 12; ++i) {
        const double angle = turn + i * Pi / 6;
        const double radius = i % 2 == 0 ? 6.6 : 2.8;
        star.push_back({centre + radius * std::cos(angle), centre + radius * std::sin(angle)});
    }
    relief.AddGradient(Polygon(star, 2.0), Light(palette.glow), palette.edge);
    relief.AddGradient(Ellipse(centre, centre, 2.4, 2.4), Light(palette.core), palette.glow);
    return relief.Render(key);
}

}  // namespace

void DrawShotSprites(AssetWriter& writer) {
    const Rgb small(assetcontract::Magenta);
    const Palette blue{Rgb(20, 60, 230), Rgb(90, 200, 255), Rgb(250, 255, 255)};
    // Hot pink rather than orange, so red shots stand out over lava too.
    const Palette red{Rgb(150, 0, 40), Rgb(255, 64, 120), Rgb(255, 240, 250)};
    writer.Image("Images/Tirs/Tir0_Bleu_Ennemi.png", Orb(8, small, blue, false));
    writer.Image("Images/Tirs/Tir0a_Bleu_Ennemi.png", Orb(8, small, blue, true));
    writer.Image("Images/Tirs/Tir0_Rouge_Ennemi.png", Orb(8, small, red, false));
    writer.Image("Images/Tirs/Tir0a_Rouge_Ennemi.png", Orb(8, small, red, true));

    const Rgb big(assetcontract::Black);
    const struct {
        const char* steady;
        const char* pulsing;
        Palette palette;
    } orbs[] = {
        {"Images/Tirs/Tir1_Rouge_Ennemi.bmp", "Images/Tirs/Tir1a_Rouge_Ennemi.bmp", red},
        {"Images/Tirs/Tir1_Bleu_Ennemi.bmp", "Images/Tirs/Tir1a_Bleu_Ennemi.bmp", blue},
        {"Images/Tirs/Tir1_Vert_Ennemi.bmp",
         "Images/Tirs/Tir1a_Vert_Ennemi.bmp",
         {Rgb(20, 150, 40), Rgb(120, 255, 90), Rgb(240, 255, 220)}},
        {"Images/Tirs/Tir1_Violet_Ennemi.bmp",
         "Images/Tirs/Tir1a_Violet_Ennemi.bmp",
         {Rgb(120, 20, 200), Rgb(220, 110, 255), Rgb(255, 235, 255)}},
    };
    for (const auto& orb : orbs) {
        writer.Image(orb.steady, Orb(16, big, orb.palette, false));
        writer.Image(orb.pulsing, Orb(16, big, orb.palette, true));
    }
    writer.Image("Images/Tirs/Tir1_Cercle_Ennemi.bmp",
                 Ring(16, big, {Rgb(190, 90, 10), Rgb(255, 200, 60), Rgb(255, 250, 200)}));
    // Deep blue around the white star, so it reads over pale ice floes.
    const Palette ice{Rgb(10, 40, 150), Rgb(80, 190, 255), Rgb(255, 255, 255)};
    writer.Image("Images/Tirs/Tir1_Glace_Ennemi.bmp", IceStar(16, big, ice, -Pi / 2));
    writer.Image("Images/Tirs/Tir1a_Glace_Ennemi.bmp", IceStar(16, big, ice, -Pi / 2 + Pi / 6));
}
