// SPDX-License-Identifier: MIT
// A recorded run replays without its pilot: every clock reading, delay,
// event, key state and stick state comes back from the file, so the
// replay takes the same course to the last line of its trace.
#include "simulation/Replay.h"

#include "simulation/Pilots.h"
#include "simulation/Simulation.h"
#include "tests/TestSupport.h"

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
