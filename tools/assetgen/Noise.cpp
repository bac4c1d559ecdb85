// SPDX-License-Identifier: MIT
#include "Noise.h"

#include <cmath>

#include "Random.h"

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int Wrap(std::int64_t value, int period) {
    const int m = static_cast<int>(value % period);
    return m < 0 ? m + period : m;
}

}  // namespace

TilingNoise::TilingNoise(std::uint64_t seed, int width, int height, int cellsAcross, int cellsDown)
    : seed_(seed),
      width_(width),
      height_(height),
      cellsAcross_(cellsAcross),
      cellsDown_(cellsDown) {}

double TilingNoise::Octave(double x, double y, int octave) const {
    const int periodX = cellsAcross_ << octave;
    const int periodY = cellsDown_ << octave;
    const double u = x / width_ * periodX;
    const double v = y / height_ * periodY;
    const std::int64_t ix = static_cast<std::int64_t>(std::floor(u));
    const std::int64_t iy = static_cast<std::int64_t>(std::floor(v));
    const double fx = Fade(u - ix);
    const double fy = Fade(v - iy);
    const std::uint64_t seed = seed_ + static_cast<std::uint64_t>(octave) * 7919;
    const int x0 = Wrap(ix, periodX), x1 = Wrap(ix + 1, periodX);
    const int y0 = Wrap(iy, periodY), y1 = Wrap(iy + 1, periodY);
    const double top =
        HashUnit(seed, x0, y0) + (HashUnit(seed, x1, y0) - HashUnit(seed, x0, y0)) * fx;
    const double bottom =
        HashUnit(seed, x0, y1) + (HashUnit(seed, x1, y1) - HashUnit(seed, x0, y1)) * fx;
    return top + (bottom - top) * fy;
}

double TilingNoise::Fractal(double x, double y, int octaves, double persistence) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += Octave(x, y, octave) * weight;
        total += weight;
        weight *= persistence;
    }
    return sum / total;
}

TilingCells::TilingCells(std::uint64_t seed, int width, int height, int cellsAcross, int cellsDown)
    : seed_(seed),
      cellWidth_(static_cast<double>(width) / cellsAcross),
      cellHeight_(static_cast<double>(height) / cellsDown),
      cellsAcross_(cellsAcross),
      cellsDown_(cellsDown) {}

CellSample TilingCells::At(double x, double y) const {
    const int cx = static_cast<int>(std::floor(x / cellWidth_));
    const int cy = static_cast<int>(std::floor(y / cellHeight_));
    CellSample sample{1e9, 1e9, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            // Sites live in wrapped cells, but are measured where the
            // neighbouring cell lies, so distances run on across the seam.
            const int nx = cx + dx;
            const int ny = cy + dy;
            const int wx = Wrap(nx, cellsAcross_);
            const int wy = Wrap(ny, cellsDown_);
            const double siteX = (nx + 0.15 + 0.7 * HashUnit(seed_, wx, wy, 1)) * cellWidth_;
            const double siteY = (ny + 0.15 + 0.7 * HashUnit(seed_, wx, wy, 2)) * cellHeight_;
            const double distance = std::hypot(x - siteX, y - siteY);
            if (distance < sample.nearest) {
                sample.second = sample.nearest;
                sample.nearest = distance;
                sample.id = static_cast<std::uint64_t>(wy) * 1000 + wx;
            } else if (distance < sample.second) {
                sample.second = distance;
            }
        }
    }
    return sample;
}
