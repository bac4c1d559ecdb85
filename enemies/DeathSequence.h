// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include "gfx/Rect.h"
#include "gfx/StripPlayback.h"

// What follows an enemy's destruction, boss or not: its explosion strip,
// with the explosion sound on the first frame it plays, then a count of
// frames before the enemy may be deleted, which also waits for the last of
// its shots.
class DeathSequence {
public:
    DeathSequence(SDL_Surface* strip, int frameWidth, int frameHeight, int frameCount,
                  int frameTimeMs, Mix_Chunk* sound);

    // The hit points ran out: the explosion plays, heard on its first frame.
    void Begin() { soundPending = true; }
    // Out of the playfield: no explosion, no sound, and the wait is over.
    void SkipToEnd();

    // One frame of a destroyed enemy: the explosion, or once it is over the
    // count to the end. False when the enemy may go: from the
    // FinishDelay-th frame after the explosion on, in a frame that began
    // with none of its shots left.
    bool Step(SDL_Surface* screen, Rect at, bool shotsPending);

    bool IsExploding() const { return !explosion.IsOver(); }
    int ExplosionFrame() const { return explosion.Index(); }
    int FramesAfter() const { return framesAfter; }

    // Frames counted after the explosion before an enemy may finish.
    static constexpr int FinishDelay = 35;

private:
    StripPlayback explosion;
    Mix_Chunk* sound;  // borrowed
    bool soundPending = false;
    int framesAfter = 0;
};
