// SPDX-License-Identifier: MIT
#pragma once
// Smooth noise that tiles: the lattice repeats after a whole number of cells
// across the picture, so a background built from it wraps without a seam,
// whatever the picture's height.

#include <cstdint>

class TilingNoise {
public:
    // `cellsAcross` and `cellsDown` lattice cells span the width and height of
    // the picture at the coarsest octave.
    TilingNoise(std::uint64_t seed, int width, int height, int cellsAcross, int cellsDown);

    // Value noise in [0, 1] at one octave (0 coarsest, each next one twice as fine).
    double Octave(double x, double y, int octave) const;
    // Sum of octaves with halving weights, normalised to [0, 1].
    double Fractal(double x, double y, int octaves, double persistence = 0.5) const;

private:
    std::uint64_t seed_;
    double width_, height_;
    int cellsAcross_, cellsDown_;
};

// Cellular noise that tiles the same way: for a point, the distances to the
// nearest and second-nearest of a set of scattered sites and the id of the
// nearest. Ice floes, cobbles, cracks.
struct CellSample {
    double nearest;
    double second;
    std::uint64_t id;
};

class TilingCells {
public:
    TilingCells(std::uint64_t seed, int width, int height, int cellsAcross, int cellsDown);
    CellSample At(double x, double y) const;

private:
    std::uint64_t seed_;
    double cellWidth_, cellHeight_;
    int cellsAcross_, cellsDown_;
};
