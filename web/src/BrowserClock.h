// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The game's clock and delays in a browser tab (BrowserClock.js): whole
// milliseconds that never go back and stand still while the page is hidden.
namespace BrowserClock {

Uint32 Ticks();
// The same clock to a fraction of a millisecond, for timing frames.
double PreciseMs();
// Hands the tab back to the browser until the clock has moved on ms; while
// the page is hidden that takes until it is shown again.
void Delay(Uint32 ms);

}  // namespace BrowserClock
