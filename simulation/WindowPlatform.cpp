// SPDX-License-Identifier: MIT
#include "simulation/WindowPlatform.h"

void WindowPlatform::Delay(Uint32 ms) {
    SDL_Delay(ms);
    DelayPassed(ms);
}

int WindowPlatform::PollEvent(SDL_Event* event) {
    if (PopEvent(event)) {
        return 1;
    }
    return SDL_PollEvent(event);
}

Uint8* WindowPlatform::GetKeyState() {
    const Uint8* held = SDL_GetKeyState(nullptr);
    for (int key = 0; key < SDLK_LAST; ++key) {
        merged[key] = held[key] | keys[key];
    }
    return merged;
}
