// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <memory>

#include "gfx/LiveCount.h"
#include "gfx/Rect.h"
#include "platform/PictureFile.h"

// Frees the surface; one made by the loaders below also leaves the live count.
struct SurfaceDeleter {
    bool loaded = false;
    void operator()(SDL_Surface* surface) const {
        if (loaded) {
            LiveCount::Released(Held::Surface);
        }
        SDL_FreeSurface(surface);
    }
};
// A surface owned by the object that loaded it.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Reads a picture file as the loaders do, PNG through SDL_image and BMP
// through SDL's own reader: the surface as read, owned by the caller, or
// null (with SDL's error set to the reason) when the file fails the checks
// of its header (PictureFile.h), cannot be decoded, has a side shorter than
// one pixel or longer than LargestPictureSide, or has no colours (see
// HasColours).
SDL_Surface* ReadImage(const char* path);

// Loads a sprite (PNG through SDL_image, BMP through SDL's loader), makes the
// given colour transparent and converts it to the display format. A picture
// that cannot be read stops the game with a message naming its path.
SurfacePtr LoadKeyedImage(const char* path, Uint8 r, Uint8 g, Uint8 b);

// Loads a full-screen picture, converted to the display format, no colour key.
SurfacePtr LoadOpaqueImage(const char* path);

// Draws the whole source with its top-left corner at the rectangle's x and y;
// w and h play no part and SDL clips to the destination.
void DrawSurface(SDL_Surface* source, SDL_Surface* destination, Rect where);
