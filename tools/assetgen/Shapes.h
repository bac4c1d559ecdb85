// SPDX-License-Identifier: MIT
#pragma once
// Filled shapes measured at pixel centres: each tells how deep a point lies
// inside it (pixels from the rim, negative outside) and its rounded profile
// (0 at the rim, 1 on the crest), which the painters turn into fills,
// gradients and relief.

#include <cmath>
#include <vector>

#include "assets/Canvas.h"

struct Point {
    double x;
    double y;
};

struct Box {
    int left, top, right, bottom;  // right and bottom exclusive
};

class Ellipse {
public:
    Ellipse(double centreX, double centreY, double radiusX, double radiusY)
        : cx_(centreX), cy_(centreY), rx_(radiusX), ry_(radiusY) {}
    Box Bounds() const;
    double Depth(double x, double y) const;
    double Profile(double x, double y) const;

private:
    double Radius(double x, double y) const;
    double cx_, cy_, rx_, ry_;
};

// A polygon whose rim is rounded over `roundness` pixels.
class Polygon {
public:
    explicit Polygon(std::vector<Point> points, double roundness = 3.0)
        : points_(std::move(points)), roundness_(roundness) {}
    Box Bounds() const;
    double Depth(double x, double y) const;
    double Profile(double x, double y) const;

private:
    bool Contains(double x, double y) const;
    std::vector<Point> points_;
    double roundness_;
};

// A thick stroke from a to b whose radius tapers from ra to rb: pipes, struts,
// antennas, limbs.
class Capsule {
public:
    Capsule(Point a, Point b, double radiusA, double radiusB)
        : a_(a), b_(b), ra_(radiusA), rb_(radiusB) {}
    Capsule(Point a, Point b, double radius) : Capsule(a, b, radius, radius) {}
    Box Bounds() const;
    double Depth(double x, double y) const;
    double Profile(double x, double y) const;

private:
    // Distance from the axis and the radius there.
    void Measure(double x, double y, double* distance, double* radius) const;
    Point a_, b_;
    double ra_, rb_;
};

// Visits every pixel inside the shape with its depth and profile.
template <class Shape, class Visit>
void ForEachInside(const Shape& shape, int width, int height, Visit visit) {
    const Box box = shape.Bounds();
    for (int y = std::max(0, box.top); y < std::min(height, box.bottom); ++y) {
        for (int x = std::max(0, box.left); x < std::min(width, box.right); ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            if (shape.Depth(px, py) >= 0.0) {
                visit(x, y, shape.Profile(px, py));
            }
        }
    }
}

template <class Shape>
void Fill(Canvas& canvas, const Shape& shape, Rgb colour) {
    ForEachInside(shape, canvas.Width(), canvas.Height(),
                  [&](int x, int y, double) { canvas.Set(x, y, colour); });
}

// Fills with a colour chosen per pixel: shade(x, y, profile) -> Rgb.
template <class Shape, class Shade>
void Paint(Canvas& canvas, const Shape& shape, Shade shade) {
    ForEachInside(shape, canvas.Width(), canvas.Height(),
                  [&](int x, int y, double profile) { canvas.Set(x, y, shade(x, y, profile)); });
}

// Paints with partial opacity, for glows and haze on pictures.
template <class Shape>
void Glaze(Canvas& canvas, const Shape& shape, Rgb colour, double opacity) {
    ForEachInside(shape, canvas.Width(), canvas.Height(), [&](int x, int y, double profile) {
        canvas.Blend(x, y, colour, opacity * profile);
    });
}

void FillVerticalGradient(Canvas& canvas, int x, int y, int width, int height, Rgb top, Rgb bottom);
// A rectangle with rounded corners.
Polygon RoundedRect(double x, double y, double width, double height, double radius,
                    double roundness = 3.0);
