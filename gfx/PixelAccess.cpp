// SPDX-License-Identifier: MIT
#include "gfx/PixelAccess.h"

#include <cstdio>
#include <cstring>

namespace {

// Why a position cannot be read, or null when it lies inside the surface. The glyph strips are
// the artist's files: a bad position must never reach memory beyond the strip, in y as in x.
const char* OutOfRangeMessage(const SDL_Surface* surface, int x, int y) {
    if (x < 0) {
        return "x too small in GetPixel!";
    }
    if (x >= surface->w) {
        return "x too big in GetPixel!";
    }
    if (y < 0) {
        return "y too small in GetPixel!";
    }
    if (y >= surface->h) {
        return "y too big in GetPixel!";
    }
    return nullptr;
}

Uint8* PixelAddress(SDL_Surface* surface, int x, int y) {
    return static_cast<Uint8*>(surface->pixels) + y * surface->pitch +
           x * surface->format->BytesPerPixel;
}

// Rows need not be aligned for wider pixels, so values go through memcpy.
template <typename Value>
Value LoadRaw(const Uint8* address) {
    Value value;
    std::memcpy(&value, address, sizeof value);
    return value;
}

template <typename Value>
void StoreRaw(Uint8* address, Value value) {
    std::memcpy(address, &value, sizeof value);
}

}  // namespace

Uint32 GetPixel(SDL_Surface* surface, int x, int y) {
    if (!surface) {
        return 0;
    }
    if (const char* message = OutOfRangeMessage(surface, x, y)) {
        std::puts(message);
        return 0;
    }
    const Uint8* address = PixelAddress(surface, x, y);
    const SDL_PixelFormat* format = surface->format;
    switch (format->BytesPerPixel) {
        case 1:
            return address[0];
        case 2:
            return LoadRaw<Uint16>(address);
        case 3:
            return SDL_MapRGB(format, address[format->Rshift / 8], address[format->Gshift / 8],
                              address[format->Bshift / 8]);
        case 4:
            return LoadRaw<Uint32>(address);
        default:
            return 0xFFFFFFFFu;
    }
}

void WritePixel(SDL_Surface* surface, int x, int y, Uint32 value) {
    // A stray write would scribble over whatever lies beyond the glyph strip.
    if (!surface || OutOfRangeMessage(surface, x, y)) {
        return;
    }
    Uint8* address = PixelAddress(surface, x, y);
    switch (surface->format->BytesPerPixel) {
        case 1:
            address[0] = static_cast<Uint8>(value);
            break;
        case 2:
            StoreRaw(address, static_cast<Uint16>(value));
            break;
        case 3:
            address[0] = static_cast<Uint8>(value);
            address[1] = static_cast<Uint8>(value >> 8);
            address[2] = static_cast<Uint8>(value >> 16);
            break;
        case 4:
            StoreRaw(address, value);
            break;
        default:
            break;
    }
}

bool HasColours(const SDL_Surface* surface) {
    return surface->format->BitsPerPixel > 8 || surface->format->palette != nullptr;
}

SurfacePixelLock::SurfacePixelLock(SDL_Surface* surface) {
    if (!surface) {
        return;
    }
    if (!SDL_MUSTLOCK(surface)) {
        ready = true;
    } else if (SDL_LockSurface(surface) == 0) {
        lockedSurface = surface;
        ready = true;
    }
}

SurfacePixelLock::~SurfacePixelLock() {
    if (lockedSurface) {
        SDL_UnlockSurface(lockedSurface);
    }
}
