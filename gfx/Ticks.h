// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Enemies keep their appear times as signed 32-bit values; this reads a
// clock value the same way, with the two's-complement wrap spelt out so no
// narrowing is left to the compiler.
inline Sint32 SignedTicks(Uint32 ticks) {
    return ticks >= 0x80000000u ? static_cast<Sint32>(ticks - 0x80000000u) - 0x7FFFFFFF - 1
                                : static_cast<Sint32>(ticks);
}

// The other way: a signed appear time as a clock value.
inline Uint32 UnsignedTicks(Sint32 ticks) {
    return static_cast<Uint32>(ticks);
}

// The clock wraps to 0 after 49.7 days, and a reading read as signed turns
// negative after 24.8: a game left running reaches both. Times are therefore
// compared by their distance on the clock's circle, never by their size.

// Milliseconds from then to now, right across a wrap of the clock.
inline Uint32 TicksSince(Uint32 now, Uint32 then) {
    return now - then;
}

// Whether now has reached the moment: the signed distance from the moment to
// now is not negative (moments up to 24.8 days away either side).
inline bool HasReached(Uint32 now, Uint32 moment) {
    return SignedTicks(now - moment) >= 0;
}
