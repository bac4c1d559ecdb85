// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "enemies/DeathSequence.h"
#include "enemies/Enemy.h"

// Draws an enemy, boss or not, by its state: its image while Normal, its
// hit image for the one frame of Hit (then it is Normal again), its death
// once Destroyed. False once a destroyed enemy may be deleted.
bool DrawByState(EnemyState* state, SDL_Surface* image, SDL_Surface* hitImage, DeathSequence* death,
                 SDL_Surface* screen, Rect at, bool shotsPending);
