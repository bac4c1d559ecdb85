// SPDX-License-Identifier: MIT
#include "tests/TestScreen.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "gfx/Failure.h"

TestScreen::TestScreen(bool withAudio) {
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
