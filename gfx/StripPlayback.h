// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/Rect.h"

// Plays a horizontal strip of equal frames (an explosion) against the clock,
// centred on its owner. The index shows sheet frame index - 1, so the first
// update of every playback draws nothing, and since the time of the last
// advance is kept from one playback to the next, that first update always
// advances at once; sheet frames 0 to count - 2 follow, each for longer than
// the frame time.
class StripPlayback {
public:
    StripPlayback(SDL_Surface* strip, int frameWidth, int frameHeight, int frameCount,
                  int frameTimeMs);

    // Starts again from the first (empty) step; the last advance time stays.
    void Restart() { index = 0; }
    // Cuts the playback short, as when its owner leaves the playfield.
    void Finish() { index = frameCount; }
    bool IsOver() const { return index >= frameCount; }
    int Index() const { return index; }

    // One update while the playback runs: draws the current sheet frame
    // centred on the owner's rectangle and advances when its time is up.
    void Step(SDL_Surface* screen, Rect owner);

private:
    SDL_Surface* strip;  // borrowed
    int frameWidth;
    int frameHeight;
    int frameCount;
    Uint32 frameTimeMs;
    int index = 0;
    Uint32 lastAdvance = 0;
};
