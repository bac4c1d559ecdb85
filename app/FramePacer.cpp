// SPDX-License-Identifier: MIT
#include "app/FramePacer.h"

#include "gfx/Ticks.h"
#include "platform/Platform.h"

FramePacer::FramePacer(Uint32 now, Uint32 period) : nextDeadline(now + period), period(period) {}

void FramePacer::Wait(Uint32 now) {
    // A frame that ends just past the clock's wrap, with its deadline just
    // before it, has overrun; it must not sleep for 49 days.
    if (!HasReached(now, nextDeadline)) {
        Platform::Delay(TicksSince(nextDeadline, now));
        nextDeadline = Platform::GetTicks() + period;
    } else {
        nextDeadline = now + period;
    }
}
