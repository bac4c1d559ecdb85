// SPDX-License-Identifier: MIT
#include "tests/TestSupport.h"
#include "tools/sim/Pilots.h"
#include "tools/sim/Simulation.h"

TEST(GameLoop, EscapeCountsFromTheSecondFrameAndEndsPlayBeforeDrawing) {
    SimOptions options;
    options.keepTrace = true;
    options.presses = {{SDLK_ESCAPE, 1}, {SDLK_ESCAPE, 40}};
    options.windowCloses = {5};  // ignored during play
    int drawn = 0;
    options.onFrame = [&](const PlayView&) { ++drawn; };
    const SimResult result = Simulation(options).Run();

    ASSERT_EQ(result.plays.size(), 1u);
    const PlayResult& play = result.plays[0];
    EXPECT_EQ(play.ending, PlayEnding::Quit);
    EXPECT_EQ(play.frames, 40);
    EXPECT_EQ(drawn, 39);
    EXPECT_TRUE(play.screensShown.empty());  // a quit shows no end screen
    EXPECT_EQ(play.lives, 6);
    EXPECT_EQ(CountLines(result.trace, "play ends: quit"), 1);
}

TEST(GameLoop, HeldFireShootsEveryFifthFrameWhileTheShipFlies) {
    SimOptions options;
    options.keepTrace = true;
    options.holds = {{SDLK_g, 1, 300}, {SDLK_LEFT, 50, 100}};
    options.presses = {{SDLK_ESCAPE, 301}};
    Rect ship = {};
    options.onFrame = [&](const PlayView& view) { ship = view.hero->GetRect(); };
    const SimResult result = Simulation(options).Run();

    EXPECT_EQ(CountLines(result.trace, "shot fired"), 60);
    EXPECT_EQ(FrameOf(result.trace, "shot fired"), 1);
    EXPECT_EQ(ship.x, Hero::StartX - 51 * 2);  // slowed to 2 pixels by firing
    EXPECT_EQ(ship.y, Hero::StartY);
}

TEST(GameLoop, TheBackgroundsFollowTheirTimetable) {
    SimOptions options;
    options.keepTrace = true;
    options.pilot = MakePilot("idle");
    // The pacer's first deadline has long passed when play starts, so the
    // first two frames both run at 0 ms and frame f at 13 * (f - 2) ms. The
    // first speed-up comes with the first frame past 8750 ms. (The sceneries
    // that follow are timed in the autopilot's play-through.)
    options.maxFrames = 2030;
    const SimResult result = Simulation(options).Run();
    EXPECT_EQ(FrameOf(result.trace, "background Nuages1 at 4"), 1);
    EXPECT_EQ(FrameOf(result.trace, "background Nuages1 at 6"), 676);
    EXPECT_EQ(FrameOf(result.trace, "background Nuages1 at 8"), 1349);
    EXPECT_EQ(FrameOf(result.trace, "background Nuages1 at 10"), 2022);
}

TEST(GameLoop, AnIdleShipLosesEveryLifeAndTheGameOverScreenFollows) {
    SimOptions options;
    options.keepTrace = true;
    options.pilot = MakePilot("idle");
    int drawnAfterLastLife = -1;
    options.onFrame = [&](const PlayView& view) {
        if (view.hero->IsOutOfLives()) {
            ++drawnAfterLastLife;
        }
    };
    const SimResult result = Simulation(options).Run();

    const PlayResult& play = result.plays.at(0);
    EXPECT_EQ(play.ending, PlayEnding::GameOver);
    EXPECT_EQ(play.lives, 0);
    EXPECT_EQ(play.score, 0);
    EXPECT_EQ(CountLines(result.trace, "life lost"), 6);
    // Play ends in the frame in which the count reaches 0.
    EXPECT_EQ(drawnAfterLastLife, 0);
    EXPECT_EQ(play.screensShown, std::vector<EndScreen>{EndScreen::GameOver});
    // Each life costs an explosion, a climb back in and a recovery.
    const int firstLoss = FrameOf(result.trace, "life lost, 5");
    const int backInFlight = FrameOf(result.trace, "ship back in flight");
    EXPECT_EQ(backInFlight - firstLoss, 36 + 100);
}
