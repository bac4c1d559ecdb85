// SPDX-License-Identifier: MIT
// Fuzzes the reading of picture files through the game's own loaders: the
// bytes are written as a PNG and as a BMP path and read as the game reads
// its sprites, full-screen pictures and font strip.
//
// A picture that cannot be read stops the game, naming its path, by design;
// so each file is first read without converting, and handed to the stopping
// loaders only when that read succeeded. Everything after it (the colour key,
// the conversion to the display format, drawing) must then work.
#include <cstdint>

#include "gfx/BitmapFont.h"
#include "gfx/Image.h"
#include "gfx/OpaqueSpans.h"
#include "tools/fuzz/FuzzSupport.h"

namespace {

void LoadAndDraw(const char* path) {
    SDL_Surface* read = ReadImage(path);
    if (!read) {
        return;
    }
    SDL_FreeSurface(read);
    SDL_Surface* screen = SDL_GetVideoSurface();
    SurfacePtr keyed = LoadKeyedImage(path, 255, 0, 255);
    DrawSurface(keyed.get(), screen, MakeRect(-3, 5, 0, 0));
    // The HUD's cut of a keyed frame into opaque pieces, as the SDL2-based
    // library draws it.
    const OpaqueSpans pieces(keyed.get(), keyed->format->colorkey);
    pieces.Draw(screen, MakeRect(0, 0, 0, 0));
    SurfacePtr opaque = LoadOpaqueImage(path);
    DrawSurface(opaque.get(), screen, MakeRect(600, 470, 0, 0));
}

void LoadAsFont(const char* path) {
    BitmapFont* font = BitmapFont::FromFile(path);
    if (!font) {
        return;
    }
    DrawText(SDL_GetVideoSurface(), font, 10, 10,
             "RANK A !\"#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~");
    SDL_FreeSurface(RenderTextSurface(font, "RANK B"));
    BitmapFont::Release(font);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    OpenHeadlessDisplay(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile png(".png");
    static ScratchFile bmp(".bmp");
    const char* pngPath = png.Write(data, size);
    LoadAndDraw(pngPath);
    LoadAsFont(pngPath);
    LoadAndDraw(bmp.Write(data, size));
    return 0;
}
