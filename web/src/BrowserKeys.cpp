// SPDX-License-Identifier: MIT
#include "web/src/BrowserKeys.h"

namespace {

// Keys without a character: 1024 + their SDL 1.3 scan code.
constexpr int NoCharacter = 1024;
constexpr int CharacterKeys = 256;

struct KeyPair {
    int browser;
    int classic;
};

// The arrows, which the game steers with; it reads no other such key.
constexpr KeyPair SpecialKeys[] = {
    {NoCharacter + 82, SDLK_UP},
    {NoCharacter + 81, SDLK_DOWN},
    {NoCharacter + 79, SDLK_RIGHT},
    {NoCharacter + 80, SDLK_LEFT},
};

}  // namespace

SDLKey ClassicKeyCode(SDLKey browserCode) {
    if (browserCode >= 0 && browserCode < CharacterKeys) {
        return browserCode;
    }
    for (const KeyPair& pair : SpecialKeys) {
        if (pair.browser == browserCode) {
            return pair.classic;
        }
    }
    return SDLK_UNKNOWN;
}

void ReadClassicKeyState(const Uint8* browser, Uint8* classic) {
    for (int code = 0; code < SDLK_LAST; ++code) {
        classic[code] = code < CharacterKeys ? browser[code] : 0;
    }
    for (const KeyPair& pair : SpecialKeys) {
        classic[pair.classic] = browser[pair.browser];
    }
}
