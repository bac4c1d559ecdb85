// SPDX-License-Identifier: MIT
// Explosion strips: cells side by side in one row, in which a fireball
// flashes white, swells through yellow and orange, cools to red and breaks up
// into drifting smoke, with sparks flying out and, for the big ones, a shock
// ring. Each strip has its own size, colours and character.
#include <cmath>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"
#include "Noise.h"
#include "Random.h"
#include "Sprites.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

struct FirePalette {
    Rgb flash;  // hottest
    Rgb flame;
    Rgb ember;
    Rgb smoke;  // coolest
    Rgb ring;   // the shock ring; unused when the strip has none
};

struct ExplosionStyle {
    const char* path;
    std::uint64_t seed;
    int puffs;
    int sparks;
    bool shockRing;
    FirePalette palette;
};

struct Puff {
    double x, y;  // offset from the centre, in units of the fireball's radius
    double radius;
};

// The heat scale from cold smoke to white flash.
Rgb HeatColour(const FirePalette& palette, double heat) {
    if (heat > 0.75) {
        return Mix(palette.flame, palette.flash, (heat - 0.75) / 0.25);
    }
    if (heat > 0.45) {
        return Mix(palette.ember, palette.flame, (heat - 0.45) / 0.3);
    }
    return Mix(palette.smoke, palette.ember, heat / 0.45);
}

void DrawCell(Canvas& strip, int cell, int cells, int cellWidth, int cellHeight,
              const ExplosionStyle& style, const std::vector<Puff>& puffs, const TilingNoise& noise,
              Random& sparkRandom) {
    const double t = cells > 1 ? cell / (cells - 1.0) : 0.0;
    const double centreX = cell * cellWidth + cellWidth / 2.0;
    const double centreY = cellHeight / 2.0;
    // The cell's usable room: its corners always stay background.
    const double roomX = cellWidth / 2.0 - 2.0;
    const double roomY = cellHeight / 2.0 - 2.0;
    const double grow = 0.3 + 0.7 * (1.0 - (1.0 - t) * (1.0 - t));
    const double radius = 0.8 * grow;  // in units of the room
    const double cooling = std::pow(1.0 - t, 0.9);
    const double threshold = 0.08 + 0.55 * std::pow(t, 1.6);
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = cell * cellWidth; x < (cell + 1) * cellWidth; ++x) {
            const double u = (x + 0.5 - centreX) / roomX;
            const double v = (y + 0.5 - centreY) / roomY;
            if (u * u + v * v >= 1.0) {
                continue;
            }
            double density = 0.0;
            for (const Puff& puff : puffs) {
                const double dx = u - puff.x * radius * 1.1;
                const double dy = v - puff.y * radius * 1.1 + t * 0.12;  // smoke rises
                const double d = std::sqrt(dx * dx + dy * dy) / (puff.radius * radius);
                density = std::max(density, 1.0 - d);
            }
            // Turbulence that swells with the fireball.
            const double n = noise.Fractal((u / radius) * 160 + 200, (v / radius) * 160 + 200, 3);
            density *= 0.3 + 1.4 * n;
            if (density <= threshold) {
                continue;
            }
            const double core = std::max(0.0, 1.0 - std::sqrt(u * u + v * v) / radius);
            const double heat =
                std::min(1.0, (density * 0.7 + core * 0.5 + n * 0.3) * cooling * 1.25);
            strip.Set(x, y, HeatColour(style.palette, heat));
        }
    }
    // The opening flash: a white star over the first cells.
    if (t < 0.25) {
        const double size = (1.0 - t / 0.25) * 0.55;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = cell * cellWidth; x < (cell + 1) * cellWidth; ++x) {
                const double u = (x + 0.5 - centreX) / roomX;
                const double v = (y + 0.5 - centreY) / roomY;
                const double star = std::min(std::fabs(u), std::fabs(v)) * 6 + std::hypot(u, v);
                if (star < size) {
                    strip.Set(x, y, Mix(style.palette.flash, Rgb(255, 255, 255), 0.7));
                }
            }
        }
    }
    if (style.shockRing && t > 0.05 && t < 0.7) {
        const double ring = 0.25 + 0.72 * std::sqrt((t - 0.05) / 0.65);
        const double width = 0.05 * (1.0 - t);
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = cell * cellWidth; x < (cell + 1) * cellWidth; ++x) {
                const double r =
                    std::hypot((x + 0.5 - centreX) / roomX, (y + 0.5 - centreY) / roomY);
                if (std::fabs(r - ring) < width + 0.02 && r < 1.0) {
                    strip.Set(x, y, Mix(style.palette.ring, strip.At(x, y), 0.15));
                }
            }
        }
    }
    // Sparks fly out straight and fade.
    if (t < 0.75) {
        for (int i = 0; i < style.sparks; ++i) {
            const double angle = sparkRandom.Range(0, 2 * Pi);
            const double reach = std::min(0.95, (0.3 + 0.7 * t) * sparkRandom.Range(0.7, 1.25));
            const int x = static_cast<int>(centreX + std::cos(angle) * reach * roomX);
            const int y = static_cast<int>(centreY + std::sin(angle) * reach * roomY);
            strip.Set(x, y, Mix(style.palette.flash, style.palette.ember, t));
        }
    }
}

Canvas PaintStrip(const ExplosionStyle& style) {
    const assetcontract::ImageAsset& asset = *assetcontract::FindImage(style.path);
    Canvas strip = BlankCanvas(asset);
    Random random(style.seed);
    std::vector<Puff> puffs = {{0, 0, 1.0}};
    for (int i = 1; i < style.puffs; ++i) {
        const double angle = 2 * Pi * i / (style.puffs - 1) + random.Range(-0.4, 0.4);
        const double distance = random.Range(0.3, 0.75);
        puffs.push_back(
            {std::cos(angle) * distance, std::sin(angle) * distance, random.Range(0.35, 0.6)});
    }
    const TilingNoise noise(style.seed, 400, 400, 4, 4);
    for (int cell = 0; cell < asset.cells; ++cell) {
        // The same sparks in every cell, each a little farther out.
        Random sparks(style.seed + 99);
        DrawCell(strip, cell, asset.cells, asset.cellWidth, asset.cellHeight, style, puffs, noise,
                 sparks);
    }
    strip.ClosePinholes();
    return strip;
}

const FirePalette Fire{Rgb(255, 250, 200), Rgb(255, 190, 50), Rgb(220, 60, 20), Rgb(70, 54, 56),
                       Rgb(255, 240, 190)};
const FirePalette Blood{Rgb(255, 230, 240), Rgb(255, 80, 110), Rgb(170, 20, 60), Rgb(60, 30, 64),
                        Rgb(255, 180, 220)};
const FirePalette Plasma{Rgb(235, 250, 255), Rgb(255, 210, 90), Rgb(230, 80, 30), Rgb(64, 60, 80),
                         Rgb(160, 230, 255)};
const ExplosionStyle BossBlast{"Images/Explosions/Explosion_192.png", 53, 12, 40, true, Fire};

}  // namespace

Canvas BossExplosionCell(int cell) {
    const assetcontract::ImageAsset& asset = *assetcontract::FindImage(BossBlast.path);
    return PaintStrip(BossBlast).Crop(cell * asset.cellWidth, 0, asset.cellWidth, asset.cellHeight);
}

void DrawExplosionStrips(AssetWriter& writer) {
    const ExplosionStyle strips[] = {
        {"Images/Explosions/Ennemi_Explosion1.bmp", 11, 4, 6, false, Fire},
        {"Images/Explosions/Explosion_Rouge_32.png", 23, 5, 8, false, Blood},
        {"Images/Explosions/Explosion_160.png", 37, 9, 28, false, Fire},
        {"Images/Heros/Heros_Explosion.png", 41, 6, 14, true, Plasma},
        BossBlast,
    };
    for (const ExplosionStyle& style : strips) {
        writer.Image(style.path, PaintStrip(style));
    }
}
