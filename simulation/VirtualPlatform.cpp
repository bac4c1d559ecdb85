// SPDX-License-Identifier: MIT
#include "simulation/VirtualPlatform.h"

void VirtualPlatform::Delay(Uint32 ms) {
    now += ms + oversleepMs;
    DelayPassed(ms);
}

int VirtualPlatform::PollEvent(SDL_Event* event) {
    if (PopEvent(event)) {
        return 1;
    }
    now += workMs;
    return 0;
}
