// SPDX-License-Identifier: MIT
#include "enemies/DeathSequence.h"

#include "gfx/Sound.h"

DeathSequence::DeathSequence(SDL_Surface* strip, int frameWidth, int frameHeight, int frameCount,
                             int frameTimeMs, Mix_Chunk* sound)
    : explosion(strip, frameWidth, frameHeight, frameCount, frameTimeMs), sound(sound) {}

void DeathSequence::SkipToEnd() {
    explosion.Finish();
    framesAfter = FinishDelay;
}

bool DeathSequence::Step(SDL_Surface* screen, Rect at, bool shotsPending) {
    if (!explosion.IsOver()) {
        if (soundPending) {
            PlaySound(EnemyExplosionChannel, sound);
            soundPending = false;
        }
        explosion.Step(screen, at);
        return true;
    }
    const bool finished = !shotsPending && framesAfter >= FinishDelay;
    ++framesAfter;
    return !finished;
}
