// SPDX-License-Identifier: MIT
#include "tools/fuzz/StripFromBytes.h"

#include <vector>

namespace {

struct PixelFormat {
    int bits;
    Uint32 r, g, b, a;
};

const PixelFormat Formats[] = {
    {8, 0, 0, 0, 0},
    {16, 0xF800, 0x07E0, 0x001F, 0},
    {16, 0x7C00, 0x03E0, 0x001F, 0},
    {24, 0xFF0000, 0x00FF00, 0x0000FF, 0},
    {24, 0x0000FF, 0x00FF00, 0xFF0000, 0},
    {32, 0xFF0000, 0x00FF00, 0x0000FF, 0},
    {32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
};
constexpr int FormatCount = sizeof Formats / sizeof Formats[0];

void FillPalette(SDL_Surface* strip, FuzzBytes& bytes) {
    std::vector<SDL_Color> colours(256);
    for (SDL_Color& colour : colours) {
        colour.r = bytes.Byte();
        colour.g = bytes.Byte();
        colour.b = bytes.Byte();
    }
    SDL_SetColors(strip, colours.data(), 0, 256);
}

}  // namespace

SDL_Surface* StripFromBytes(FuzzBytes& bytes) {
    const PixelFormat& format = Formats[bytes.Byte() % FormatCount];
    const bool encoded = bytes.Byte() % 4 == 0;
    const int width = bytes.Number(1, 600);
    const int height = bytes.Number(1, 40);
    SDL_Surface* strip = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format.bits, format.r,
                                              format.g, format.b, format.a);
    if (!strip) {
        return nullptr;
    }
    if (format.bits == 8) {
        FillPalette(strip, bytes);
    }
    // Row by row: the bytes past each row's pixels, up to the pitch, stay 0.
    Uint8* pixels = static_cast<Uint8*>(strip->pixels);
    const int rowBytes = width * strip->format->BytesPerPixel;
    for (int y = 0; y < height; ++y) {
        bytes.Fill(pixels + y * strip->pitch, static_cast<std::size_t>(rowBytes));
    }
    if (encoded) {
        // SDL encodes a keyed surface on its first blit; from then on it
        // must be locked before its pixels can be read.
        SDL_SetColorKey(strip, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
        SDL_BlitSurface(strip, nullptr, SDL_GetVideoSurface(), nullptr);
    }
    return strip;
}
