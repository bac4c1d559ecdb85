// SPDX-License-Identifier: MIT
#include "tests/TestScreen.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Failure.h"

TestScreen::TestScreen(bool withAudio) {
    // A test before this one may have named another driver to see the game
    // do without a device; each screen starts from the drivers of the main.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
        return;
    }
    screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen) {
        ADD_FAILURE() << "SDL_SetVideoMode: " << SDL_GetError();
    }
    if (withAudio) {
        audioOpen = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) == 0;
    }
}

TestScreen::~TestScreen() {
    ShutDownSdl();
}
