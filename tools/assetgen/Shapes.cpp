// SPDX-License-Identifier: MIT
#include "Shapes.h"

#include <algorithm>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A rounded crest: 0 at the rim rising to 1 over `width` pixels, quarter-circle.
double RoundedRim(double depth, double width) {
    const double t = std::min(1.0, depth / std::max(width, 0.001));
    const double u = 1.0 - t;
    return std::sqrt(std::max(0.0, 1.0 - u * u));
}

double DistanceToSegment(Point p, Point a, Point b, double* along) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    if (along) {
        *along = t;
    }
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Box Ellipse::Bounds() const {
    return {static_cast<int>(std::floor(cx_ - rx_)), static_cast<int>(std::floor(cy_ - ry_)),
            static_cast<int>(std::ceil(cx_ + rx_)) + 1, static_cast<int>(std::ceil(cy_ + ry_)) + 1};
}

double Ellipse::Radius(double x, double y) const {
    const double u = (x - cx_) / rx_;
    const double v = (y - cy_) / ry_;
    return std::sqrt(u * u + v * v);
}

double Ellipse::Depth(double x, double y) const {
    return (1.0 - Radius(x, y)) * std::min(rx_, ry_);
}

double Ellipse::Profile(double x, double y) const {
    const double r = std::min(1.0, Radius(x, y));
    return std::sqrt(1.0 - r * r);
}

Box Polygon::Bounds() const {
    double left = points_[0].x, right = left, top = points_[0].y, bottom = top;
    for (const Point& p : points_) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
            static_cast<int>(std::ceil(right)) + 1, static_cast<int>(std::ceil(bottom)) + 1};
}

bool Polygon::Contains(double x, double y) const {
    bool inside = false;
    for (size_t i = 0, j = points_.size() - 1; i < points_.size(); j = i++) {
        const Point& a = points_[i];
        const Point& b = points_[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double Polygon::Depth(double x, double y) const {
    if (!Contains(x, y)) {
        return -1.0;
    }
    double nearest = 1e9;
    for (size_t i = 0, j = points_.size() - 1; i < points_.size(); j = i++) {
        nearest = std::min(nearest, DistanceToSegment({x, y}, points_[j], points_[i], nullptr));
    }
    return nearest;
}

double Polygon::Profile(double x, double y) const {
    return RoundedRim(std::max(0.0, Depth(x, y)), roundness_);
}

Box Capsule::Bounds() const {
    const double r = std::max(ra_, rb_);
    return {static_cast<int>(std::floor(std::min(a_.x, b_.x) - r)),
            static_cast<int>(std::floor(std::min(a_.y, b_.y) - r)),
            static_cast<int>(std::ceil(std::max(a_.x, b_.x) + r)) + 1,
            static_cast<int>(std::ceil(std::max(a_.y, b_.y) + r)) + 1};
}

void Capsule::Measure(double x, double y, double* distance, double* radius) const {
    double along = 0.0;
    *distance = DistanceToSegment({x, y}, a_, b_, &along);
    *radius = ra_ + (rb_ - ra_) * along;
}

double Capsule::Depth(double x, double y) const {
    double distance, radius;
    Measure(x, y, &distance, &radius);
    return radius - distance;
}

double Capsule::Profile(double x, double y) const {
    double distance, radius;
    Measure(x, y, &distance, &radius);
    const double r = std::min(1.0, distance / std::max(radius, 0.001));
    return std::sqrt(1.0 - r * r);
}

void FillVerticalGradient(Canvas& canvas, int x, int y, int width, int height, Rgb top,
                          Rgb bottom) {
    for (int row = 0; row < height; ++row) {
        const Rgb colour = Mix(top, bottom, height > 1 ? row / (height - 1.0) : 0.0);
        for (int column = 0; column < width; ++column) {
            canvas.Set(x + column, y + row, colour);
        }
    }
}

Polygon RoundedRect(double x, double y, double width, double height, double radius,
                    double roundness) {
    std::vector<Point> points;
    const double r = std::min(radius, std::min(width, height) / 2);
    const Point centres[4] = {{x + width - r, y + r},
                              {x + width - r, y + height - r},
                              {x + r, y + height - r},
                              {x + r, y + r}};
    for (int corner = 0; corner < 4; ++corner) {
        for (int step = 0; step <= 4; ++step) {
            const double angle = (corner - 1 + step / 4.0) * Pi / 2;
            points.push_back(
                {centres[corner].x + r * std::cos(angle), centres[corner].y + r * std::sin(angle)});
        }
    }
    return Polygon(points, roundness);
}
