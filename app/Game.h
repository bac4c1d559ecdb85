#pragma once

#include <SDL.h>

// Runs whole play-throughs; everything a play-through needs lives only
// inside one call of Run.
class Game {
public:
    Game(SDL_Surface* screen, int framePeriodMs);

    void Run();

private:
    SDL_Surface* screen;  // borrowed
    int framePeriodMs;
};
