// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "tests/CallLog.h"
#include "tests/TestSupport.h"

// The display is asked for 640 x 480 at 32 bits, in hardware, double-buffered,
// full screen with its own palette, and reads back full screen at 32 bits. The
// cursor is hidden from the first title screen on, and rand is never seeded:
// every run of the program draws the same numbers.
TEST(Program, RunsFromTitleToPlayAndBackAndQuitsWithZero) {
    VirtualPlatform clock(0);
    clock.Install();
    int titleFrames = 0;
    int escapes = 0;
    Uint32 lastEscape = 1;
    int cursor = -1;
    std::string display;
    clock.OnEmptyQueue([&] {
        cursor = SDL_ShowCursor(SDL_QUERY);
        const SDL_Surface* screen = SDL_GetVideoSurface();
        display = std::to_string(screen->w) + "x" + std::to_string(screen->h) + "x" +
                  std::to_string(screen->format->BitsPerPixel) +
                  (screen->flags & SDL_FULLSCREEN ? " full screen" : "");
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
    CallLog log(CallLog::Seeds | CallLog::Modes);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(escapes, 3);
    EXPECT_EQ(cursor, SDL_DISABLE);
    EXPECT_EQ(display, "640x480x32 full screen");
    EXPECT_EQ(log.lines, std::vector<std::string>{"mode 640x480x32 e0000001"});
}
