// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/DrivenPlatform.h"

// A platform on virtual time for tests and the simulator: the clock stands
// still while the game works and a delay moves it forward at once, so a
// play-through runs deterministically and as fast as the machine allows.
// Events and key states are whatever the driver puts in.
class VirtualPlatform : public DrivenPlatform {
public:
    explicit VirtualPlatform(Uint32 startTicks = 0) : now(startTicks) {}

    Uint32 GetTicks() override { return now; }
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override { return PopEvent(event) ? 1 : 0; }
    Uint8* GetKeyState() override { return keys; }

    Uint32 Now() const { return now; }
    void Advance(Uint32 ms) { now += ms; }

private:
    Uint32 now;
};
