// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Brings SDL up with the dummy drivers (named in the test main) and opens the
// 640 x 480, 32-bit display that the game's loaders convert to, plus the
// mixer; everything is shut down again when the test ends.
class TestScreen {
public:
    explicit TestScreen(bool withAudio = true);
    ~TestScreen();
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    SDL_Surface* screen = nullptr;
    bool audioOpen = false;
};
