// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The browser's SDL names a key by its character when it has one (letters
// in lower case, RETURN 13, ESC 27) and every other key by 1024 plus its
// SDL 1.3 scan code; its key-state array is indexed the same way. These
// turn both into SDL 1.2's codes, which the game uses.

// The classic code of a key code from a browser key event; keys the game
// has no classic code for become SDLK_UNKNOWN.
SDLKey ClassicKeyCode(SDLKey browserCode);

// Fills classic[0 .. SDLK_LAST - 1] from the browser's key-state array.
void ReadClassicKeyState(const Uint8* browser, Uint8* classic);
