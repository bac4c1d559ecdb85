// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/DrivenPlatform.h"

// The browser's clock and delays (BrowserClock.h), with the keys a pilot
// holds instead of the keyboard's: the autopilot flies at real speed for a
// person to watch. Events the driver queues come first, then the browser's own, so
// ESC at the keyboard still ends the play-through.
class WatchedPlatform : public DrivenPlatform {
public:
    Uint32 GetTicks() override;
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override;
    Uint8* GetKeyState() override { return keys; }
};
