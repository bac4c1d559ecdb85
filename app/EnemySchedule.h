// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

class Enemy;
class EnemyBank;

// Creates every enemy and boss of the game, slot by slot, each with its start
// rectangle and the tick at which it enters play, counted from base.
// Regular enemies start at random x positions, drawn just before each one
// is made.
void FillEnemySlots(Enemy** slots, SDL_Surface* screen, EnemyBank* bank, Uint32 base);

// The kind the schedule puts in a slot, for the trace.
const char* ScheduledKindName(int slot);
