// SPDX-License-Identifier: MIT
#include "enemies/EnemyDrawing.h"

#include "gfx/Image.h"

bool DrawByState(EnemyState* state, SDL_Surface* image, SDL_Surface* hitImage, DeathSequence* death,
                 SDL_Surface* screen, Rect at, bool shotsPending) {
    switch (*state) {
        case EnemyState::Normal:
            DrawSurface(image, screen, at);
            return true;
        case EnemyState::Hit:
            DrawSurface(hitImage, screen, at);
            *state = EnemyState::Normal;  // a hit shows for one frame
            return true;
        case EnemyState::Destroyed:
            break;
    }
    return death->Step(screen, at, shotsPending);
}
