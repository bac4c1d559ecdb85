// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "tools/fuzz/FuzzBytes.h"

// A glyph strip made from fuzz bytes, as an artist's file might arrive in
// any shape: 1 to 600 pixels wide, 1 to 40 high, in one of the pixel formats
// SDL 1.2 reads pictures into (8-bit with a palette from the bytes, 16-bit
// 565 or 555, 24-bit either way round, 32-bit with or without alpha),
// sometimes run-length encoded so that it must be locked to be read, with
// its pixels from the bytes that follow. Null when SDL cannot make it.
SDL_Surface* StripFromBytes(FuzzBytes& bytes);
