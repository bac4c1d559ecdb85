// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "app/Game.h"
#include "app/TitleScreen.h"
#include "gfx/Playfield.h"
#include "platform/Failure.h"
#include "platform/ProcessGuard.h"

int RunProgram() {
    // Before anything opens a file or starts a thread.
    ProcessGuard guard;
    // The display and the audio device come before SDL_Init, which SDL
    // brings up on demand; SDL_Init then adds the joystick.
    SDL_Surface* screen =
        SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32,
                         SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN | SDL_HWPALETTE);
    if (!screen) {
        StopWithError(1, "cannot set the 640x480 32-bit full-screen video mode: %s",
                      SDL_GetError());
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        std::printf("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: %s\n", SDL_GetError());
        std::fflush(stdout);  // seen at once, not when the game ends
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        std::fflush(stdout);
        ShutDownSdl();
        return 1;
    }
    guard.LetSignalsIn();
    SDL_ShowCursor(SDL_DISABLE);

    {
        TitleScreen titleScreen(screen, FramePeriodMs);
        Game game(screen, FramePeriodMs);
        while (titleScreen.Run()) {
            game.Run();
        }
    }
    // Linux has no entry shim to do this for us: without it the full-screen
    // mode and the audio device would stay taken.
    std::fflush(stdout);
    ShutDownSdl();
    return 0;
}
