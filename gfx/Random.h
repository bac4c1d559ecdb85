// SPDX-License-Identifier: MIT
#pragma once

// A number from 0 to n - 1 from the standard generator, which the game never
// seeds: every run of the program draws the same sequence. n must be >= 1.
int RandomBelow(int n);
