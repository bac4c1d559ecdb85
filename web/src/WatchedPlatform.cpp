// SPDX-License-Identifier: MIT
#include "web/src/WatchedPlatform.h"

#include "web/src/BrowserClock.h"
#include "web/src/BrowserKeys.h"

Uint32 WatchedPlatform::GetTicks() {
    return BrowserClock::Ticks();
}

void WatchedPlatform::Delay(Uint32 ms) {
    BrowserClock::Delay(ms);
    DelayPassed(ms);
}

int WatchedPlatform::PollEvent(SDL_Event* event) {
    if (PopEvent(event)) {
        return 1;
    }
    const int got = SDL_PollEvent(event);
    if (got && event && (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP)) {
        event->key.keysym.sym = ClassicKeyCode(event->key.keysym.sym);
    }
    return got;
}
