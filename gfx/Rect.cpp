// SPDX-License-Identifier: MIT
#include "gfx/Rect.h"

#include "gfx/Playfield.h"

Rect MakeRect(int x, int y, int w, int h) {
    Rect r;
    r.x = Wrap16(x);
    r.y = Wrap16(y);
    r.w = static_cast<Uint16>(static_cast<unsigned>(w) & 0xFFFFu);
    r.h = static_cast<Uint16>(static_cast<unsigned>(h) & 0xFFFFu);
    return r;
}

bool IsOutsidePlayfield(const Rect& r) {
    return r.x + r.w < PlayfieldLeft || r.x > PlayfieldRight || r.y > PlayfieldBottom ||
           r.y + r.h < PlayfieldTop;
}
