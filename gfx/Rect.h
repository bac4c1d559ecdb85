// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The rectangle of the whole game: x and y signed 16-bit, w and h unsigned
// 16-bit, laid out exactly like SDL's own so it can go straight to a blit.
using Rect = SDL_Rect;

// Keeps the low 16 bits of a value and reads them as a signed 16-bit number,
// without leaning on implementation-defined narrowing.
inline Sint16 Wrap16(int value) {
    const unsigned bits = static_cast<unsigned>(value) & 0xFFFFu;
    return static_cast<Sint16>(bits >= 0x8000u ? static_cast<int>(bits) - 0x10000
                                               : static_cast<int>(bits));
}

// Cuts each value to 16 bits: x and y keep their sign, w and h wrap as
// unsigned values. Only the low 16 bits of each argument survive.
Rect MakeRect(int x, int y, int w, int h);

// Integer centre of a rectangle: the unsigned size halved, rounding down.
inline int CentreX(const Rect& r) {
    return r.x + r.w / 2;
}
inline int CentreY(const Rect& r) {
    return r.y + r.h / 2;
}

// Moves a rectangle with the wrap of 16-bit arithmetic.
inline void MoveRect(Rect& r, int dx, int dy) {
    r.x = Wrap16(r.x + dx);
    r.y = Wrap16(r.y + dy);
}

// True when a rectangle lies wholly outside the playfield strip
// (x 138 to 502, y 0 to 480): the rule that culls shots and enemies.
bool IsOutsidePlayfield(const Rect& r);
