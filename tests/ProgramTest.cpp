// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "tests/TestSupport.h"

TEST(Program, RunsFromTitleToPlayAndBackAndQuitsWithZero) {
    VirtualPlatform clock(0);
    clock.Install();
    int titleFrames = 0;
    int escapes = 0;
    Uint32 lastEscape = 1;
    clock.OnEmptyQueue([&] {
        // Second frame of the first title screen: start. From then on one
        // ESC a frame: it leaves the play-through from its second frame on,
        // then the title screen quits the program.
        if (++titleFrames == 2) {
            clock.PushKeyDown(SDLK_RETURN);
        } else if (titleFrames > 2 && clock.Now() != lastEscape) {
            lastEscape = clock.Now();
            clock.PushKeyDown(SDLK_ESCAPE);
            ++escapes;
        }
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(escapes, 3);
}
