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
