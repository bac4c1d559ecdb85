// SPDX-License-Identifier: MIT
// Machines the game may meet: no display mode to be had, no audio device,
// no joystick (a stick with too few buttons is in the joystick's tests).
// Each has one clear outcome, and none of them crashes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/Joystick.h"
#include "app/Program.h"
#include "gfx/LiveCount.h"
#include "tests/TestSupport.h"

TEST(Hardening, WithoutAVideoModeTheRealGameSaysSoAndExitsWithOne) {
    ScratchFolder empty;
    const CommandResult run =
        RunGameIn(empty.Path(), "SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.err.rfind("corvanel: cannot set the 640x480 32-bit full-screen video mode: ", 0),
              0u)
        << run.err;
    EXPECT_EQ(run.out, "");
}

// Without an audio device, and with no joystick (there is none headless),
// a whole play-through runs from the title screen with the keyboard alone;
// the program warns first, and no sound effect loads (the music tracks load
// but never play).
TEST(Hardening, WithoutAudioOrJoystickAPlayThroughRunsSilentlyOnTheKeyboard) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    VirtualPlatform clock(0);
    clock.Install();
    clock.SetKey(SDLK_g, true);
    int frames = 0;
    Uint32 lastFrame = 1;
    int mostSounds = 0;
    int mostShots = 0;
    clock.OnEmptyQueue([&] {
        // Once a frame: the second title frame starts play, ESC ends it 300
        // frames on, and the next ESC leaves the title screen.
        if (clock.Now() == lastFrame) {
            return;
        }
        lastFrame = clock.Now();
        ++frames;
        if (frames == 2 || frames >= 300) {
            clock.PushKeyDown(frames == 2 ? SDLK_RETURN : SDLK_ESCAPE);
        }
        mostSounds = std::max(mostSounds, LiveCount::Of(Held::Chunk));
        mostShots = std::max(mostShots, LiveCount::Of(Held::Shot));
    });
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunProgram(), 0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: ", 0), 0u) << out;
    EXPECT_EQ(SDL_NumJoysticks(), 0);
    EXPECT_EQ(mostSounds, 0);
    EXPECT_GT(mostShots, 5);  // the ship fired all the same
}
