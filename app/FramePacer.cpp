#include "app/FramePacer.h"

#include "gfx/Platform.h"

FramePacer::FramePacer(Uint32 now, Uint32 period) : nextDeadline(now + period), period(period) {}

void FramePacer::Wait(Uint32 now) {
    if (now < nextDeadline) {
        Platform::Delay(nextDeadline - now);
        nextDeadline = Platform::GetTicks() + period;
    } else {
        nextDeadline = now + period;
    }
}
