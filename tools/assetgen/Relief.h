// SPDX-License-Identifier: MIT
#pragma once
// Sprites are modelled as relief: every shape lays its colour and a height
// profile over what lies below, and rendering lights the resulting surface
// from the upper left, so hulls, domes and plates read as solid bodies with
// highlights, while lights and flames keep their own colour. A dark rim
// around the silhouette keeps it readable on every background.

#include <vector>

#include "Shapes.h"
#include "assets/Canvas.h"

struct Material {
    Rgb colour;
    double lift = 4.0;    // height of the crest above the rim, pixels
    double base = 0.0;    // height of the rim above the ground
    double shine = 0.35;  // strength of the specular highlight
    bool glows = false;   // lights, flames, glass: their own colour, unlit
};

class Relief {
public:
    Relief(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Lays the shape over what is there, in its material.
    template <class Shape>
    void Add(const Shape& shape, const Material& material) {
        ForEachInside(shape, width_, height_, [&](int x, int y, double profile) {
            Cell& cell = At(x, y);
            cell = {true, material.colour, material.base + material.lift * profile, material.shine,
                    material.glows};
        });
    }

    // Lays the shape with a colour that runs from `rim` at its edge to the
    // material's colour on its crest: glass, glowing cores, soft bodies.
    template <class Shape>
    void AddGradient(const Shape& shape, const Material& material, Rgb rim) {
        ForEachInside(shape, width_, height_, [&](int x, int y, double profile) {
            Cell& cell = At(x, y);
            cell = {true, Mix(rim, material.colour, profile),
                    material.base + material.lift * profile, material.shine, material.glows};
        });
    }

    // Tips the whole relief sideways, as a ship rolls into a turn: heights
    // grow by `slope` per pixel to the right of x = axis.
    void Roll(double slope, double axis);

    // Recolours the covered parts of the shape, leaving the relief as it is:
    // stripes, markings, panel colours.
    template <class Shape>
    void Paint(const Shape& shape, Rgb colour, bool glows = false) {
        ForEachInside(shape, width_, height_, [&](int x, int y, double) {
            Cell& cell = At(x, y);
            if (cell.filled) {
                cell.colour = colour;
                cell.glows = glows;
            }
        });
    }

    // Recolours the covered parts with a colour chosen per pixel from the
    // colour there: shade(x, y, colour) -> Rgb. Gores, stripes, scales.
    template <class Shape, class Shade>
    void PaintBy(const Shape& shape, Shade shade) {
        ForEachInside(shape, width_, height_, [&](int x, int y, double) {
            Cell& cell = At(x, y);
            if (cell.filled) {
                cell.colour = shade(x, y, cell.colour);
            }
        });
    }

    // Cuts a groove of the given depth into the covered parts: panel lines,
    // vents, seams.
    template <class Shape>
    void Engrave(const Shape& shape, double depth) {
        ForEachInside(shape, width_, height_, [&](int x, int y, double profile) {
            Cell& cell = At(x, y);
            if (cell.filled) {
                cell.height -= depth * profile;
            }
        });
    }

    // The lit sprite on its key colour, with a dark rim around the silhouette
    // unless `outline` is false.
    Canvas Render(Rgb key, bool outline = true) const;

private:
    struct Cell {
        bool filled = false;
        Rgb colour;
        double height = 0.0;
        double shine = 0.0;
        bool glows = false;
    };
    Cell& At(int x, int y) { return cells_[y * width_ + x]; }
    const Cell& At(int x, int y) const { return cells_[y * width_ + x]; }
    double HeightAt(int x, int y, double fallback) const;
    Rgb Lit(int x, int y) const;

    int width_;
    int height_;
    std::vector<Cell> cells_;
};

// Mirrors a list of points across the vertical line x = axis.
std::vector<Point> MirrorX(const std::vector<Point>& points, double axis);

// One polygon made of the given left-hand outline (top to bottom) and its
// mirror image: hulls, bodies, symmetric parts that cross the axis.
Polygon Symmetric(const std::vector<Point>& leftHalf, double axis, double roundness = 3.0);

// Adds a shape given by its left-hand copy twice: as it is and mirrored
// across x = axis (wings, fins, engines).
void AddMirrored(Relief& relief, const std::vector<Point>& left, double axis,
                 const Material& material, double roundness = 3.0);
