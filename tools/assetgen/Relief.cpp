// SPDX-License-Identifier: MIT
#include "Relief.h"

#include <cmath>

namespace {

// Light from the upper left and in front; the viewer looks straight down.
struct Vector {
    double x, y, z;
};

Vector Normalised(Vector v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

const Vector Light = Normalised({-0.55, -0.7, 0.75});
const Vector HalfWay = Normalised({Light.x, Light.y, Light.z + 1.0});
constexpr double Ambient = 0.38;

}  // namespace

Relief::Relief(int width, int height)
    : width_(width), height_(height), cells_(static_cast<size_t>(width) * height) {}

double Relief::HeightAt(int x, int y, double fallback) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !At(x, y).filled) {
        return fallback;
    }
    return At(x, y).height;
}

Rgb Relief::Lit(int x, int y) const {
    const Cell& cell = At(x, y);
    if (cell.glows) {
        return cell.colour;
    }
    const double h = cell.height;
    const double slopeX = (HeightAt(x + 1, y, h) - HeightAt(x - 1, y, h)) / 2.0;
    const double slopeY = (HeightAt(x, y + 1, h) - HeightAt(x, y - 1, h)) / 2.0;
    const Vector normal = Normalised({-slopeX, -slopeY, 1.0});
    const double facing = normal.x * Light.x + normal.y * Light.y + normal.z * Light.z;
    // A flat surface gets exactly its own colour; slopes towards the light
    // brighten it, slopes away darken it.
    const double diffuse = std::min(1.35, std::max(0.0, facing) / Light.z);
    const double intensity = Ambient + (1.0 - Ambient) * diffuse;
    const double gloss = normal.x * HalfWay.x + normal.y * HalfWay.y + normal.z * HalfWay.z;
    const double specular = cell.shine * std::pow(std::max(0.0, gloss), 40.0) * 255.0;
    return Rgb(ClampChannel(cell.colour.r * intensity + specular),
               ClampChannel(cell.colour.g * intensity + specular),
               ClampChannel(cell.colour.b * intensity + specular));
}

void Relief::Roll(double slope, double axis) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            At(x, y).height += slope * (x + 0.5 - axis);
        }
    }
}

Canvas Relief::Render(Rgb key, bool outline) const {
    Canvas canvas(width_, height_, key);
    canvas.GuardKey(key);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y).filled) {
                canvas.Set(x, y, Lit(x, y));
            }
        }
    }
    if (!outline) {
        return canvas;
    }
    // The rim takes a deep shade of the body it surrounds.
    const int dx[4] = {1, -1, 0, 0};
    const int dy[4] = {0, 0, 1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y).filled) {
                continue;
            }
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k];
                const int ny = y + dy[k];
                if (nx >= 0 && ny >= 0 && nx < width_ && ny < height_ && At(nx, ny).filled) {
                    canvas.Set(x, y, Scale(At(nx, ny).colour, 0.22));
                    break;
                }
            }
        }
    }
    canvas.ClosePinholes();
    return canvas;
}

std::vector<Point> MirrorX(const std::vector<Point>& points, double axis) {
    std::vector<Point> mirrored;
    mirrored.reserve(points.size());
    for (const Point& p : points) {
        mirrored.push_back({2 * axis - p.x, p.y});
    }
    return mirrored;
}

Polygon Symmetric(const std::vector<Point>& leftHalf, double axis, double roundness) {
    std::vector<Point> outline = leftHalf;
    const std::vector<Point> right = MirrorX(leftHalf, axis);
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return Polygon(outline, roundness);
}

void AddMirrored(Relief& relief, const std::vector<Point>& left, double axis,
                 const Material& material, double roundness) {
    relief.Add(Polygon(left, roundness), material);
    relief.Add(Polygon(MirrorX(left, axis), roundness), material);
}
