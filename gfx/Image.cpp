// SPDX-License-Identifier: MIT
#include "gfx/Image.h"

#include <SDL_image.h>

#include <cstring>

#include "gfx/PixelAccess.h"
#include "platform/Failure.h"
#include "platform/GameFile.h"
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

}  // namespace

SDL_Surface* ReadImage(const char* path) {
    std::unique_ptr<GameFile> file = GameFile::Open(path);
    // The header first: the decoders would allocate whatever it claims.
    bool endsEarly = false;
    if (!file || !CheckPicture(file->Bytes(), file->Size(), HasBmpExtension(path), &endsEarly)) {
        return nullptr;
    }
    SDL_RWops* stream = GameFile::HandOver(std::move(file));
    SDL_Surface* read = nullptr;
    if (stream) {
        read = HasBmpExtension(path) ? SDL_LoadBMP_RW(stream, 1) : IMG_Load_RW(stream, 1);
    }
    if (!read) {
        if (endsEarly) {
            SDL_SetError("the file is cut short");
        }
        return nullptr;
    }
    if (!HasPictureSize(read->w, read->h)) {
        // SDL's error says so
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
