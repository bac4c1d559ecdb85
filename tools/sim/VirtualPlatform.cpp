// SPDX-License-Identifier: MIT
#include "tools/sim/VirtualPlatform.h"

void VirtualPlatform::Delay(Uint32 ms) {
    now += ms;
    DelayPassed(ms);
}
