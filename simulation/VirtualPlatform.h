// SPDX-License-Identifier: MIT
#pragma once

#include "simulation/DrivenPlatform.h"

// A platform on virtual time for tests and the simulator: the clock stands
// still while the game works and a delay moves it forward at once, so a
// play-through runs deterministically and as fast as the machine allows.
// Events and key states are whatever the driver puts in. A driver may make
// the machine slower: the frames' work and the sleeps then take time too.
class VirtualPlatform : public DrivenPlatform {
public:
    explicit VirtualPlatform(Uint32 startTicks = 0) : now(startTicks) {}

    Uint32 GetTicks() override { return now; }
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override;
    Uint8* GetKeyState() override { return keys; }

    Uint32 Now() const { return now; }
    void Advance(Uint32 ms) { now += ms; }
    // Every screen drains its event queue once a frame, before it draws:
    // from then on the clock moves this much further each time it does.
    void ChargeWork(Uint32 ms) { workMs = ms; }
    // Every delay lasts this much longer than asked, as a real sleep may.
    void Oversleep(Uint32 ms) { oversleepMs = ms; }

private:
    Uint32 now;
    Uint32 workMs = 0;
    Uint32 oversleepMs = 0;
};
