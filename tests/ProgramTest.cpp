// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "tests/CallLog.h"
#include "tests/TestSupport.h"

// The cursor is hidden from the first title screen on, and rand is never
// seeded: every run of the program draws the same numbers.
TEST(Program, RunsFromTitleToPlayAndBackAndQuitsWithZero) {
    VirtualPlatform clock(0);
    clock.Install();
    int titleFrames = 0;
    int escapes = 0;
    Uint32 lastEscape = 1;
    int cursor = -1;
    clock.OnEmptyQueue([&] {
        cursor = SDL_ShowCursor(SDL_QUERY);
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
    CallLog log(CallLog::Seeds);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(escapes, 3);
    EXPECT_EQ(cursor, SDL_DISABLE);
    EXPECT_EQ(log.lines, std::vector<std::string>{});
}
