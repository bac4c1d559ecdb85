// SPDX-License-Identifier: MIT
#include "simulation/VirtualPlatform.h"

void VirtualPlatform::Delay(Uint32 ms) {
    now += ms;
    DelayPassed(ms);
}
