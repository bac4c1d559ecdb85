// SPDX-License-Identifier: MIT
#pragma once

// Read before every source file of the browser build: where the browser's
// SDL, a JavaScript stand-in for SDL 1.2, differs from the real one in what
// the game's code compiles against, this brings the real one's meaning back.
#include <SDL.h>

// Key codes. The browser's SDL declares the SDL 1.3 codes, in which the
// arrows lie far above the 8-bit range (SDLK_UP is 0x40000052) and
// SDLK_LAST is a thousand million; the game indexes key-state arrays with
// SDL 1.2's codes. So the game keeps speaking the classic codes, and the
// browser's events and key states are translated into them (BrowserKeys.h).
// The codes below 128 (RETURN, ESC, SPACE and the letters) are the same in
// both.
#undef SDLK_UP
#undef SDLK_DOWN
#undef SDLK_RIGHT
#undef SDLK_LEFT
#undef SDLK_LAST
#define SDLK_UP 273
#define SDLK_DOWN 274
#define SDLK_RIGHT 275
#define SDLK_LEFT 276
#define SDLK_LAST 323

// File streams. The browser's SDL_RWFromFile returns a number that names
// the file for its own loaders, not a structure with read and close
// functions; SDL's stream macros would call through it. These read the file
// behind the number instead (BrowserStreams.cpp).
#undef SDL_RWread
#undef SDL_RWwrite
#undef SDL_RWseek
#undef SDL_RWtell
#undef SDL_RWclose
#define SDL_RWread(stream, into, size, count) BrowserStreamRead((stream), (into), (size), (count))
#define SDL_RWwrite(stream, from, size, count) 0
#define SDL_RWseek(stream, offset, whence) BrowserStreamSeek((stream), (offset), (whence))
#define SDL_RWtell(stream) BrowserStreamSeek((stream), 0, RW_SEEK_CUR)
#define SDL_RWclose(stream) BrowserStreamClose(stream)

// Reads up to count items of size bytes; the number of whole items read.
int BrowserStreamRead(SDL_RWops* stream, void* into, int size, int count);
// The new position, or -1.
long BrowserStreamSeek(SDL_RWops* stream, long offset, int whence);
// Closes the file and frees the browser's stream.
int BrowserStreamClose(SDL_RWops* stream);
