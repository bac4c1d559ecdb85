// SPDX-License-Identifier: MIT
#include "gfx/Image.h"

#include <SDL_image.h>

#include <cstring>

#include "gfx/PixelAccess.h"
#include "platform/Failure.h"
#include "platform/PictureFile.h"

namespace {

bool HasBmpExtension(const char* path) {
    const size_t length = std::strlen(path);
    return length >= 4 && (std::strcmp(path + length - 4, ".bmp") == 0 ||
                           std::strcmp(path + length - 4, ".BMP") == 0);
}

SDL_Surface* ReadImageOrStop(const char* path) {
    SDL_Surface* loaded = ReadImage(path);
    if (!loaded) {
        StopWithError(1, "cannot load image \"%s\": %s", path, SDL_GetError());
    }
    return loaded;
}

SurfacePtr ConvertToDisplay(SDL_Surface* loaded, const char* path) {
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (!converted) {
        StopWithError(1, "cannot convert image \"%s\" to the display format: %s", path,
                      SDL_GetError());
    }
    LiveCount::Made(Held::Surface);
    return SurfacePtr(converted, SurfaceDeleter{true});
}

// Between one pixel and the largest picture on each side: a damaged header
// also reads as sizes of 0 or below (a BMP of -2147483648 rows came back).
bool HasPictureSize(const SDL_Surface* read) {
    return read->w >= 1 && read->w <= LargestPictureSide && read->h >= 1 &&
           read->h <= LargestPictureSide;
}

}  // namespace

SDL_Surface* ReadImage(const char* path) {
    // The header first: the decoders would allocate whatever it claims.
    if (!CheckPictureFile(path, HasBmpExtension(path))) {
        return nullptr;
    }
    SDL_Surface* read = nullptr;
    if (!HasBmpExtension(path)) {
        read = IMG_Load(path);
    } else if (SDL_RWops* stream = SDL_RWFromFile(path, "rb")) {
        read = SDL_LoadBMP_RW(stream, 1);
    }
    if (!read) {
        return nullptr;
    }
    if (!HasPictureSize(read)) {
        SDL_SetError("a picture of %d x %d pixels is none the game could have", read->w, read->h);
    } else if (!HasColours(read)) {
        SDL_SetError("a picture of palette indices without a palette");
    } else {
        return read;
    }
    SDL_FreeSurface(read);
    return nullptr;
}

SurfacePtr LoadKeyedImage(const char* path, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* loaded = ReadImageOrStop(path);
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY, SDL_MapRGB(loaded->format, r, g, b));
    return ConvertToDisplay(loaded, path);
}

SurfacePtr LoadOpaqueImage(const char* path) {
    return ConvertToDisplay(ReadImageOrStop(path), path);
}

void DrawSurface(SDL_Surface* source, SDL_Surface* destination, Rect where) {
    SDL_UpperBlit(source, nullptr, destination, &where);
}
