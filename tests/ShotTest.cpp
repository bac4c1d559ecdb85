// SPDX-License-Identifier: MIT
#include "shots/Shot.h"

#include <climits>

#include "tests/TestSupport.h"

namespace {

constexpr Uint32 Red = 0xFF0000;
constexpr Uint32 Blue = 0x0000FF;

// A small world for shots: a screen and two 4 x 4 images, red and blue.
struct ShotWorld {
    SurfacePtr screen = NewSurface(640, 480);
    SurfacePtr imageA = NewSurface(4, 4, Red);
    SurfacePtr imageB = NewSurface(4, 4, Blue);
    ShotMaker shots{screen.get()};

    // A path shot of four segments, each given as dx, dy and frames.
    Shot Path(Rect rect, const int (&segments)[12]) {
        const int* s = segments;
        return Shot(screen.get(), imageA.get(), imageB.get(), rect, s[0], s[1], s[2], s[3], s[4],
                    s[5], s[6], s[7], s[8], s[9], s[10], s[11]);
    }
    // Updates the shot once and tells which image it drew ('A' or 'B').
    char Step(Shot& shot) {
        SDL_FillRect(screen.get(), nullptr, 0);
        bool alive = false;
        shot.Update(&alive);
        const Colour drawn = ColourAt(screen.get(), shot.GetRect().x, shot.GetRect().y);
        return drawn == Colour{255, 0, 0} ? 'A' : drawn == Colour{0, 0, 255} ? 'B' : '?';
    }
};

}  // namespace

TEST(Shot, PathSegmentsRunTheirFramesAndTheLastRunsForEver) {
    ShotWorld world;
    Shot shot = world.Path(MakeRect(300, 200, 4, 4), {1, 0, 2, 0, 1, 3, 5, 5, 1, 0, -1, 1});
    std::string seen;
    for (int i = 0; i < 8; ++i) {
        bool alive = false;
        shot.Update(&alive);
        seen += std::to_string(shot.GetRect().x) + "," + std::to_string(shot.GetRect().y) + " ";
    }
    EXPECT_EQ(seen, "301,200 302,200 302,201 302,202 302,203 307,208 307,207 307,206 ");
}

// The bottom of int is held too, without counting down past it.
TEST(Shot, ASegmentCountedFromZeroOrBelowIsNeverLeft) {
    ShotWorld world;
    for (int frames : {0, INT_MIN}) {
        Shot shot = world.Path(MakeRect(300, 100, 4, 4), {0, 2, frames, 7, 7, 1, 7, 7, 1, 7, 7, 1});
        for (int i = 0; i < 50; ++i) {
            bool alive = false;
            shot.Update(&alive);
        }
        EXPECT_EQ(BoxOf(shot.GetRect()), (Box{300, 200, 4, 4})) << frames;
    }
}

TEST(Shot, BlinksBetweenItsImagesFourAndFiveUpdatesAtATime) {
    ShotWorld world;
    Shot path = world.Path(MakeRect(300, 240, 4, 4), {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});
    std::string seen;
    for (int i = 0; i < 21; ++i) {
        seen += world.Step(path);
    }
    EXPECT_EQ(seen, "AAABBBBBAAAABBBBBAAAA");

    // A trajectory shot's counter starts one lower: its first run of A is 4.
    Shot ray(world.screen.get(), world.imageA.get(), world.imageB.get(), MakeRect(0, 0, 4, 4), 6);
    ray.SetPath(300, 240, 0, 0, 0, 0, 0, 0);
    seen.clear();
    for (int i = 0; i < 14; ++i) {
        seen += world.Step(ray);
    }
    EXPECT_EQ(seen, "AAAABBBBBAAAAB");
}

// A shot that stays where it is, 16 x 16, is drawn once and tested at the
// edges of its area: the playfield for a path shot and every trajectory
// kind but the straight ray (kind 6), which keeps to the wide area.
TEST(Shot, EachShotKeepsToItsAreaWithStrictEdges) {
    ShotWorld world;
    struct Case {
        int x, y;
        bool wide, playfield;
    };
    const Case cases[] = {
        {502, 100, true, true},    {503, 100, true, false},  {122, 100, true, true},
        {121, 100, true, false},   {300, 480, true, true},   {300, 481, true, false},
        {300, -16, true, true},    {300, -17, true, false},  {740, 300, true, false},
        {741, 300, false, false},  {-116, 300, true, false}, {-117, 300, false, false},
        {300, 580, true, false},   {300, 581, false, false}, {300, -116, true, false},
        {300, -117, false, false},
    };
    for (int kind : {0, 6, 12, 14, 16}) {
        for (const Case& c : cases) {
            std::unique_ptr<Shot> shot(world.shots.Straight(MakeRect(c.x, c.y, 16, 16)));
            if (kind) {
                shot.reset(new Shot(world.screen.get(), world.imageA.get(), world.imageB.get(),
                                    MakeRect(0, 0, 16, 16), kind));
                shot->SetPath(c.x, c.y, 0, 0, 0, 0, 50, 50);
            }
            const bool inside = kind == 6 ? c.wide : c.playfield;
            bool alive = !inside;
            shot->Update(&alive);
            EXPECT_EQ(alive, inside) << kind << ": " << c.x << "," << c.y;
        }
    }
}
