// SPDX-License-Identifier: MIT
// The trajectory kinds of boss shots: rays and spirals around an origin,
// recomputed from radius and angle every frame so no rounding accumulates.
#include <algorithm>
#include <cmath>

#include "shots/Shot.h"

namespace {

constexpr double Pi = 3.141592654;

enum TrajectoryKind {
    StraightRay = 6,        // out along the ray at radiusStep per frame
    SpiralOutAndBack = 12,  // spiral out, hold, spiral back, creep out
    RayWithPause = 14,      // out, stop for 101 frames, out again
    FastThenSlowRay = 16,   // 4 pixels per frame, then radiusStep
};

// Cut toward zero, as a cast does, and kept within 2^30 either way so that
// the sum with an origin cannot overflow int. A shot leaves its area long
// before its offset gets near that.
int TruncateOffset(double offset) {
    constexpr double Limit = 1 << 30;
    return static_cast<int>(std::clamp(offset, -Limit, Limit));
}

}  // namespace

void Shot::PlaceOnRay() {
    const double radians = angle * Pi / 180.0;
    // Each offset is cut toward zero on its own before it joins the origin,
    // so -1.73 becomes -1 and a ray at 180 degrees stays on its row.
    const int offsetX = TruncateOffset(radius * std::cos(radians));
    const int offsetY = TruncateOffset(radius * std::sin(radians));
    rect.x = Wrap16(originX + offsetX);
    rect.y = Wrap16(originY + offsetY);
}

void Shot::MoveTrajectory() {
    const bool firstStep = vx == 99 && vy == 99;
    if (firstStep) {
        vx = 0;
        vy = 0;
        timer = 0;
        stage = 0;
    }
    switch (trajectory) {
        case StraightRay:
            PlaceOnRay();
            radius += radiusStep;
            break;

        case SpiralOutAndBack:
            PlaceOnRay();
            if (timer < phaseFrames) {
                radius += radiusStep;
                angle += angleStep;
            } else if (radius > 0 && timer > releaseFrame && stage == 0) {
                radius -= radiusStep;
                angle -= angleStep;
                if (radius <= 0) {
                    // Back at the origin: leave along the ray of the last
                    // step out.
                    angle += angleStep;
                    stage = 1;
                }
            } else if (stage == 1) {
                radius += 1;
            }
            ++timer;
            // The angle stays in 1 to 360; it never takes the value 0.
            if (angle >= 360) {
                angle -= 360;
            }
            if (angle <= 0) {
                angle += 360;
            }
            break;

        case RayWithPause:
            if (timer < releaseFrame || timer > releaseFrame + 100) {
                PlaceOnRay();
                radius += radiusStep;
            }
            ++timer;
            break;

        case FastThenSlowRay:
            PlaceOnRay();
            radius += timer < releaseFrame ? 4 : radiusStep;
            ++timer;
            break;

        default:
            break;  // an unknown kind stays where it is
    }
}
