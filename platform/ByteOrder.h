// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Numbers as the file formats the game reads store them, whatever the
// machine's own byte order: WAV, Ogg and BMP little-endian, PNG big-endian.

inline Uint32 LittleEndian32(const Uint8* bytes) {
    return static_cast<Uint32>(bytes[0]) | static_cast<Uint32>(bytes[1]) << 8 |
           static_cast<Uint32>(bytes[2]) << 16 | static_cast<Uint32>(bytes[3]) << 24;
}

inline int LittleEndian16(const Uint8* bytes) {
    return bytes[0] | bytes[1] << 8;
}

inline Uint32 BigEndian32(const Uint8* bytes) {
    return static_cast<Uint32>(bytes[0]) << 24 | static_cast<Uint32>(bytes[1]) << 16 |
           static_cast<Uint32>(bytes[2]) << 8 | bytes[3];
}
