#include "gfx/Image.h"

#include <SDL_image.h>

#include <cstring>

#include "gfx/Failure.h"

namespace {

bool HasBmpExtension(const char* path) {
    const size_t length = std::strlen(path);
    return length >= 4 && (std::strcmp(path + length - 4, ".bmp") == 0 ||
                           std::strcmp(path + length - 4, ".BMP") == 0);
}

SDL_Surface* ReadImageFile(const char* path) {
    SDL_Surface* loaded = nullptr;
    if (HasBmpExtension(path)) {
        SDL_RWops* stream = SDL_RWFromFile(path, "rb");
        if (stream) {
            loaded = SDL_LoadBMP_RW(stream, 1);
        }
    } else {
        loaded = IMG_Load(path);
    }
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
    return SurfacePtr(converted);
}

}  // namespace

SurfacePtr LoadKeyedImage(const char* path, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* loaded = ReadImageFile(path);
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY, SDL_MapRGB(loaded->format, r, g, b));
    return ConvertToDisplay(loaded, path);
}

SurfacePtr LoadOpaqueImage(const char* path) {
    return ConvertToDisplay(ReadImageFile(path), path);
}

void DrawSurface(SDL_Surface* source, SDL_Surface* destination, Rect where) {
    SDL_UpperBlit(source, nullptr, destination, &where);
}
