// SPDX-License-Identifier: MIT
#pragma once
// Sprites that the full-screen pictures show too.

#include "assets/Canvas.h"

// The player's ship on the given key colour; bank -1 rolls it left, +1 right.
Canvas HeroShip(Rgb key, int bank);

// One cell of the bosses' explosion strip, on its key colour.
Canvas BossExplosionCell(int cell);
