// SPDX-License-Identifier: MIT
// The boss shots' trajectory kinds, followed frame by frame.
#include <algorithm>
#include <utility>

#include "tests/TestSupport.h"

namespace {

// Where a shot was drawn: x, y.
using Point = std::pair<int, int>;

// A trajectory shot with its own screen and image, as a boss fires it.
class Flight {
public:
    Flight(int kind, int originX, int originY, int angle, int angleStep, int radiusStep,
           int phaseFrames, int releaseFrame)
        : shot(screen.get(), image.get(), image.get(), MakeRect(0, 0, 16, 16), kind) {
        shot.SetPath(originX, originY, 0, angle, angleStep, radiusStep, phaseFrames, releaseFrame);
    }

    // One frame; the position the shot was drawn at.
    Point Step() {
        bool alive = false;
        shot.Update(&alive);
        EXPECT_TRUE(alive) << "the shot left its area";
        const Rect r = shot.GetRect();
        return {r.x, r.y};
    }
    std::vector<Point> Steps(int frames) {
        std::vector<Point> seen;
        for (int i = 0; i < frames; ++i) {
            seen.push_back(Step());
        }
        return seen;
    }

    SurfacePtr screen = NewSurface(640, 480);
    SurfacePtr image = NewSurface(16, 16);
    Shot shot;
};

}  // namespace

// Each offset from the origin is cut toward zero on its own, with pi taken
// as 3.141592654: 2 sin 30 degrees is then 1.0000000001 and gives a whole
// pixel, 2 sin 150 degrees is 0.9999999994 and gives none.
TEST(StraightRay, PlacesTheShotOnItsRayCuttingEachOffsetTowardZero) {
    Flight at30(6, 300, 200, 30, 0, 2, 0, 0);
    EXPECT_EQ(at30.Steps(3), (std::vector<Point>{{300, 200}, {301, 201}, {303, 202}}));

    // -1.73 stays -1: the shot does not round away from its origin.
    Flight at150(6, 300, 200, 150, 0, 2, 0, 0);
    EXPECT_EQ(at150.Steps(3), (std::vector<Point>{{300, 200}, {299, 200}, {297, 201}}));

    // sin 180 degrees comes out a hair below zero; the ray keeps its row.
    Flight at180(6, 300, 200, 180, 0, 2, 0, 0);
    EXPECT_EQ(at180.Steps(3), (std::vector<Point>{{300, 200}, {298, 200}, {296, 200}}));
}

// Radius and angle at the end of each frame, as the spiral is meant to run
// with 60 frames out, release after frame 110, 1 degree and 2 pixels a step.
TEST(SpiralOutAndBack, WindsOutHoldsWindsBackAndCreepsOutWithTheAngleNeverZero) {
    Flight spiral(12, 320, 240, 358, 1, 2, 60, 110);
    std::vector<int> angles;
    for (int frame = 1; frame <= 200; ++frame) {
        spiral.Step();
        const int radius = frame <= 60    ? 2 * frame
                           : frame <= 111 ? 120
                           : frame <= 171 ? 120 - 2 * (frame - 111)
                                          : frame - 171;
        ASSERT_EQ(spiral.shot.Radius(), radius) << "frame " << frame;
        ASSERT_EQ(spiral.shot.Stage(), frame >= 171 ? 1 : 0) << "frame " << frame;
        angles.push_back(spiral.shot.Angle());
    }
    // Out: 359, 360, 1, 2, ... up to 58 after frame 60, held until 111.
    EXPECT_EQ(std::vector<int>(angles.begin(), angles.begin() + 4),
              (std::vector<int>{359, 360, 1, 2}));
    EXPECT_EQ(angles[59], 58);
    EXPECT_EQ(angles[110], 58);
    // Back: one degree a frame down through 2, 1, 360; at the origin the last
    // step back is undone, so it creeps out at 359.
    EXPECT_EQ(angles[111], 57);
    EXPECT_EQ(std::vector<int>(angles.begin() + 166, angles.begin() + 171),
              (std::vector<int>{2, 1, 360, 359, 359}));
    EXPECT_EQ(angles[199], 359);
    EXPECT_TRUE(
        std::all_of(angles.begin(), angles.end(), [](int a) { return a >= 1 && a <= 360; }));
}

// A ray with a pause stops for 101 frames from its frame 20 (its timer runs
// from 20 to 120 without a move), then flies on at its rate; a fast ray
// flies 4 pixels a frame until its frame 38, then at its own rate. Neither
// turns.
TEST(RayWithPause, StopsFor101FramesWhereAFastRaySlowsDown) {
    Flight pause(14, 320, 100, 90, 5, 2, 0, 20), fast(16, 150, 240, 0, 5, 1, 0, 38);
    std::vector<Point> seen;
    for (int frame = 1; frame <= 140; ++frame) {
        seen.push_back(pause.Step());
        fast.Step();
        ASSERT_EQ(pause.shot.Radius(), frame <= 20    ? 2 * frame
                                       : frame <= 121 ? 40
                                                      : 40 + 2 * (frame - 121))
            << frame;
        ASSERT_EQ(fast.shot.Radius(), frame <= 38 ? 4 * frame : 152 + (frame - 38)) << frame;
        ASSERT_EQ(pause.shot.Angle() + fast.shot.Angle(), 90);
    }
    // Straight down from the origin; during the pause it is neither moved
    // nor replaced, so it stays where frame 20 put it.
    EXPECT_EQ(seen[19], (Point{320, 138}));
    EXPECT_EQ(seen[120], (Point{320, 138}));
    EXPECT_EQ(seen[121], (Point{320, 140}));
    EXPECT_EQ(fast.Step(), (Point{150 + 254, 240}));
}
