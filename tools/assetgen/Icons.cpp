// SPDX-License-Identifier: MIT
// The desktop icons: the player's ship on a dark rounded tile, painted once at
// the largest size and scaled down, so every size shows the same picture.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "Generators.h"
#include "Sprites.h"

namespace {

constexpr int LargestSize = 256;
constexpr int Sizes[] = {256, 128, 64, 48, 32};
constexpr double TileMargin = 8;
constexpr double TileRadius = 44;
constexpr double RimWidth = 5;
constexpr int ShipEnlargement = 5;

// One pixel with its colour premultiplied by its coverage, so scaling down
// blends the tile's rounded edge without a dark fringe.
struct Pixel {
    double r = 0, g = 0, b = 0, a = 0;
};
// A square raster, row by row.
using Raster = std::vector<Pixel>;

// Signed distance from the rim of the rounded tile; negative inside.
double TileDistance(double x, double y) {
    const double half = LargestSize / 2.0;
    const double straight = half - TileMargin - TileRadius;
    const double qx = std::abs(x - half) - straight;
    const double qy = std::abs(y - half) - straight;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - TileRadius;
}

Canvas PaintArt() {
    Canvas art(LargestSize, LargestSize);
    const double centre = LargestSize / 2.0;
    for (int y = 0; y < LargestSize; ++y) {
        for (int x = 0; x < LargestSize; ++x) {
            const double depth = -TileDistance(x + 0.5, y + 0.5);
            const Rgb fill = Mix(Rgb(34, 44, 104), Rgb(6, 8, 28), y / (LargestSize - 1.0));
            // A soft blue light behind the ship lifts it off the dark tile.
            const double glow = std::max(0.0, 1.0 - std::hypot(x - centre, y - centre) / 110);
            const Rgb lit = Mix(fill, Rgb(70, 120, 220), 0.55 * glow * glow);
            art.Set(x, y, depth < RimWidth ? Rgb(150, 170, 230) : lit);
        }
    }
    const Canvas ship = HeroShip(Rgb(255, 0, 255), 0).Enlarged(ShipEnlargement);
    art.Draw(ship, (LargestSize - ship.Width()) / 2, (LargestSize - ship.Height()) / 2);
    return art;
}

Raster PaintLargest() {
    const Canvas art = PaintArt();
    Raster raster(LargestSize * LargestSize);
    for (int y = 0; y < LargestSize; ++y) {
        for (int x = 0; x < LargestSize; ++x) {
            const double a = std::clamp(0.5 - TileDistance(x + 0.5, y + 0.5), 0.0, 1.0);
            const Rgb c = art.At(x, y);
            raster[y * LargestSize + x] = {c.r * a, c.g * a, c.b * a, a};
        }
    }
    return raster;
}

// The share of source cell `cell` that lies in [from, to).
double Overlap(int cell, double from, double to) {
    return std::max(0.0, std::min(to, cell + 1.0) - std::max(from, static_cast<double>(cell)));
}

// Each target pixel averages the source area it covers.
Raster Shrink(const Raster& source, int size) {
    const double step = static_cast<double>(LargestSize) / size;
    Raster target(static_cast<size_t>(size) * size);
    for (int ty = 0; ty < size; ++ty) {
        for (int tx = 0; tx < size; ++tx) {
            Pixel sum;
            for (int sy = static_cast<int>(ty * step); sy < std::ceil((ty + 1) * step); ++sy) {
                const double wy = Overlap(sy, ty * step, (ty + 1) * step);
                for (int sx = static_cast<int>(tx * step); sx < std::ceil((tx + 1) * step); ++sx) {
                    const double w = wy * Overlap(sx, tx * step, (tx + 1) * step);
                    const Pixel& p = source[sy * LargestSize + sx];
                    sum = {sum.r + p.r * w, sum.g + p.g * w, sum.b + p.b * w, sum.a + p.a * w};
                }
            }
            const double area = step * step;
            target[ty * size + tx] = {sum.r / area, sum.g / area, sum.b / area, sum.a / area};
        }
    }
    return target;
}

bool WriteIcon(const std::string& path, const Raster& raster, int size) {
    std::vector<png_byte> rgba;
    for (const Pixel& p : raster) {
        const double a = std::max(p.a, 1e-9);
        for (const double channel : {p.r / a, p.g / a, p.b / a, p.a * 255}) {
            rgba.push_back(ClampChannel(channel));
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(size);
    image.height = static_cast<png_uint_32>(size);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

}  // namespace

bool PaintIcons(const std::string& folder) {
    const Raster largest = PaintLargest();
    bool written = true;
    for (const int size : Sizes) {
        const std::string apps =
            folder + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code error;
        std::filesystem::create_directories(apps, error);
        written = WriteIcon(apps + "/corvanel.png", Shrink(largest, size), size) && written;
    }
    return written;
}
