// SPDX-License-Identifier: MIT
#include "tools/sim/Replay.h"

#include <fstream>

#include "tests/TestSupport.h"
#include "tools/sim/Pilots.h"
#include "tools/sim/Simulation.h"

TEST(Replay, ARecordedRunRepeatsExactlyWithoutItsPilot) {
    const TempFile file("run.rec");
    SimOptions recorded;
    recorded.keepTrace = true;
    recorded.pilot = MakePilot("fire");
    recorded.holds = {{SDLK_UP, 100, 160}};
    recorded.maxFrames = 1500;
    recorded.recordPath = file.path;
    const SimResult first = Simulation(recorded).Run();

    SimOptions replayed;
    replayed.keepTrace = true;
    replayed.replayPath = file.path;
    const SimResult second = Simulation(replayed).Run();

    ASSERT_EQ(first.plays.size(), 1u);
    ASSERT_EQ(second.plays.size(), 1u);
    EXPECT_EQ(second.plays[0].ending, first.plays[0].ending);
    EXPECT_EQ(second.plays[0].frames, first.plays[0].frames);
    EXPECT_EQ(second.plays[0].score, first.plays[0].score);
    EXPECT_EQ(second.plays[0].lives, first.plays[0].lives);
    EXPECT_GT(first.trace.size(), 50u);
    EXPECT_EQ(second.trace, first.trace);
}

TEST(Replay, KeyStatesAndClockReadingsRoundTripThroughTheFile) {
    ReplayLog written;
    Uint8 keys[SDLK_LAST] = {};
    written.PutTicks(1000);
    written.PutTicks(1013);
    keys[SDLK_g] = 1;
    keys[SDLK_LEFT] = 1;
    written.PutKeys(keys);
    SDL_Event escape = {};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    written.PutEvent(&escape);
    written.PutEvent(nullptr);
    keys[SDLK_LEFT] = 0;
    written.PutKeys(keys);
    written.PutDelay(13);
    written.PutJoystick(JoystickState{1, 0, 0, 1, 1});
    written.PutTicks(5);  // the clock wrapped
    const TempFile file("small.rec");
    ASSERT_TRUE(written.Save(file.path));

    ReplayLog read;
    ASSERT_TRUE(read.Load(file.path));
    EXPECT_EQ(read.TakeTicks(), 1000u);
    EXPECT_EQ(read.TakeTicks(), 1013u);
    const Uint8* first = read.TakeKeys();
    EXPECT_EQ(first[SDLK_g], 1);
    EXPECT_EQ(first[SDLK_LEFT], 1);
    SDL_Event event = {};
    ASSERT_TRUE(read.TakeEvent(&event));
    EXPECT_EQ(event.type, SDL_KEYDOWN);
    EXPECT_EQ(event.key.keysym.sym, SDLK_ESCAPE);
    EXPECT_FALSE(read.TakeEvent(&event));
    const Uint8* second = read.TakeKeys();
    EXPECT_EQ(second[SDLK_g], 1);
    EXPECT_EQ(second[SDLK_LEFT], 0);
    read.TakeDelay();
    JoystickState stick = {0, 0, 0, 0, 0};
    read.TakeJoystick(&stick);
    EXPECT_EQ(stick.up + stick.right + stick.fire, 3);
    EXPECT_EQ(stick.down + stick.left, 0);
    EXPECT_EQ(read.TakeTicks(), 5u);
}

TEST(Replay, AGameThatAsksForSomethingElseStopsTheReplayWithAMessage) {
    ReplayLog log;
    log.PutTicks(40);
    EXPECT_EXIT(log.TakeKeys(), testing::ExitedWithCode(1), "the key state");
    EXPECT_EXIT(
        {
            log.TakeTicks();
            log.TakeTicks();
        },
        testing::ExitedWithCode(1), "after the recording ended");

    const TempFile file("not-a.rec");
    std::ofstream(file.path) << "something else\n";
    ReplayLog other;
    EXPECT_FALSE(other.Load(file.path));
}
