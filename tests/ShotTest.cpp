#include "shots/Shot.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/Image.h"
#include "shots/ShotSlots.h"

namespace {

SurfacePtr Filled(int w, int h, Uint32 colour) {
    SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_FillRect(s.get(), nullptr, colour);
    return s;
}

Uint32 PixelAt(SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

constexpr Uint32 Red = 0xFF0000;
constexpr Uint32 Blue = 0x0000FF;

// A small world for shots: a screen and two 4 x 4 images.
struct ShotWorld {
    SurfacePtr screen = Filled(640, 480, 0);
    SurfacePtr imageA = Filled(4, 4, Red);
    SurfacePtr imageB = Filled(4, 4, Blue);

    Shot* Straight(Rect rect, int dx, int dy) {
        return new Shot(screen.get(), imageA.get(), imageB.get(), rect, dx, dy, 5, dx, dy, 5, dx,
                        dy, 30, dx, dy, 300);
    }
    // Updates the shot once and tells which image it drew ('A' or 'B').
    char Step(Shot& shot, bool* alive) {
        SDL_FillRect(screen.get(), nullptr, 0);
        shot.Update(alive);
        const Rect r = shot.GetRect();
        const Uint32 colour = PixelAt(screen.get(), r.x, r.y);
        return colour == Red ? 'A' : colour == Blue ? 'B' : '?';
    }
};

}  // namespace

TEST(Shot, PathSegmentsRunTheirFramesAndTheLastRunsForEver) {
    ShotWorld world;
    Shot shot(world.screen.get(), world.imageA.get(), world.imageB.get(), MakeRect(300, 200, 4, 4),
              1, 0, 2, 0, 1, 3, 5, 5, 1, 0, -1, 1);
    const int expectedX[] = {301, 302, 302, 302, 302, 307, 307, 307};
    const int expectedY[] = {200, 200, 201, 202, 203, 208, 207, 206};
    for (int i = 0; i < 8; ++i) {
        bool alive = false;
        shot.Update(&alive);
        EXPECT_TRUE(alive);
        EXPECT_EQ(shot.GetRect().x, expectedX[i]) << "update " << i + 1;
        EXPECT_EQ(shot.GetRect().y, expectedY[i]) << "update " << i + 1;
    }
}

TEST(Shot, ASegmentCountedFromZeroOrBelowIsNeverLeft) {
    ShotWorld world;
    for (int frames : {0, -3}) {
        Shot shot(world.screen.get(), world.imageA.get(), world.imageB.get(),
                  MakeRect(300, 100, 4, 4), 0, 2, frames, 7, 7, 1, 7, 7, 1, 7, 7, 1);
        for (int i = 0; i < 50; ++i) {
            bool alive = false;
            shot.Update(&alive);
        }
        EXPECT_EQ(shot.GetRect().x, 300);
        EXPECT_EQ(shot.GetRect().y, 200);
    }
}

TEST(Shot, BlinksBetweenItsImagesFourAndFiveUpdatesAtATime) {
    ShotWorld world;
    Shot path(world.screen.get(), world.imageA.get(), world.imageB.get(), MakeRect(300, 240, 4, 4),
              0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1);
    std::string seen;
    for (int i = 0; i < 21; ++i) {
        bool alive = false;
        seen += world.Step(path, &alive);
    }
    EXPECT_EQ(seen, "AAABBBBBAAAABBBBBAAAA");

    // A trajectory shot's counter starts one lower: its first run of A is 4.
    Shot ray(world.screen.get(), world.imageA.get(), world.imageB.get(), MakeRect(0, 0, 4, 4), 6);
    ray.SetPath(300, 240, 0, 0, 0, 0, 0, 0);
    seen.clear();
    for (int i = 0; i < 14; ++i) {
        bool alive = false;
        seen += world.Step(ray, &alive);
    }
    EXPECT_EQ(seen, "AAAABBBBBAAAAB");
}

TEST(Shot, PlayfieldAreaEdgesAreStrict) {
    ShotWorld world;
    struct Case {
        Rect start;
        bool alive;
    };
    // Positions after one update without movement.
    const Case cases[] = {
        {MakeRect(502, 100, 4, 4), true}, {MakeRect(503, 100, 4, 4), false},
        {MakeRect(134, 100, 4, 4), true}, {MakeRect(133, 100, 4, 4), false},
        {MakeRect(300, 480, 4, 4), true}, {MakeRect(300, 481, 4, 4), false},
        {MakeRect(300, -4, 4, 4), true},  {MakeRect(300, -5, 4, 4), false},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Shot> shot(world.Straight(c.start, 0, 0));
        bool alive = !c.alive;
        shot->Update(&alive);
        EXPECT_EQ(alive, c.alive) << c.start.x << "," << c.start.y;
    }
}

TEST(Shot, StraightBossRaysUseTheWideAreaAndOtherKindsThePlayfield) {
    ShotWorld world;
    for (int kind : {6, 12, 14, 16}) {
        Shot shot(world.screen.get(), world.imageA.get(), world.imageB.get(),
                  MakeRect(0, 0, 16, 16), kind);
        shot.SetPath(700, 300, 0, 0, 0, 0, 50, 50);  // stays at its origin
        bool alive = false;
        shot.Update(&alive);
        EXPECT_EQ(shot.GetRect().x, 700);
        EXPECT_EQ(alive, kind == 6) << "kind " << kind;
    }
    Shot farOff(world.screen.get(), world.imageA.get(), world.imageB.get(), MakeRect(0, 0, 16, 16),
                6);
    farOff.SetPath(741, 300, 0, 0, 0, 0, 0, 0);
    bool alive = true;
    farOff.Update(&alive);
    EXPECT_FALSE(alive);
}

TEST(ShotSlots, FillLowestFreeSlotsCullLeaversAndOwnTheRest) {
    ShotWorld world;
    ShotSlots slots(4);
    EXPECT_EQ(slots.FirstFree(), 0);
    slots.Put(0, world.Straight(MakeRect(300, 100, 4, 4), 0, 0));
    slots.Put(2, world.Straight(MakeRect(300, 1, 4, 4), 0, -6));  // leaves at once
    slots.Put(3, world.Straight(MakeRect(300, 100, 4, 4), 0, 0));
    EXPECT_EQ(slots.FirstFree(), 1);
    EXPECT_EQ(slots.FirstFree(2), -1);
    EXPECT_EQ(slots.LiveCount(), 3);

    slots.UpdateAll();
    EXPECT_EQ(slots.At(2), nullptr);
    EXPECT_EQ(slots.LiveCount(), 2);
    slots.Destroy(0);
    slots.Destroy(1);  // an empty slot is fine
    EXPECT_EQ(slots.LiveCount(), 1);
    EXPECT_TRUE(slots.AnyOccupied());
}
