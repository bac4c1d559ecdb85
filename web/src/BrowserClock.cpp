// SPDX-License-Identifier: MIT
#include "web/src/BrowserClock.h"

#include <emscripten.h>

namespace {

EM_JS(double, PreciseClock, (), { return Module.corvanelClock.precise(); });
EM_JS(Uint32, ClockTicks, (), { return Module.corvanelClock.ticks(); });
// Unwinds the program until the clock reads the deadline, then resumes it
// as one of the runtime's own callbacks (as its sleeps do), so that the
// program's return from main is seen as its end. EM_ASYNC_JS would resume
// it from a bare promise, and the page would never learn the game quit.
_EM_JS(void, WaitUntil, __asyncjs__WaitUntil, (double deadline),
       "{ return Asyncify.handleSleep((wakeUp) => { Module.corvanelClock.until(deadline)"
       ".then(() => callUserCallback(wakeUp)); }); }");

}  // namespace

namespace BrowserClock {

Uint32 Ticks() {
    return ClockTicks();
}

double PreciseMs() {
    return PreciseClock();
}

void Delay(Uint32 ms) {
    if (ms > 0) {
        WaitUntil(static_cast<double>(ClockTicks()) + ms);
    }
}

}  // namespace BrowserClock
