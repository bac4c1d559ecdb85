// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Holds every frame to at least one period. Lost time is never caught up: a
// late frame only moves the next deadline, so under load the game slows down
// instead of running frames back to back.
class FramePacer {
public:
    FramePacer(Uint32 now, Uint32 period);

    // Ends the current frame; now is the caller's fresh clock reading.
    void Wait(Uint32 now);

    Uint32 NextDeadline() const { return nextDeadline; }

private:
    Uint32 nextDeadline;
    Uint32 period;
};
