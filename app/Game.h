// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

class PlayObserver;

// Runs whole play-throughs; everything a play-through needs lives only
// inside one call of Run.
class Game {
public:
    Game(SDL_Surface* screen, int framePeriodMs);

    void Run();

    // Lets the simulator watch the play-throughs (not owned; may be null).
    void SetObserver(PlayObserver* newObserver) { observer = newObserver; }

private:
    SDL_Surface* screen;  // borrowed
    int framePeriodMs;
    PlayObserver* observer = nullptr;
};
