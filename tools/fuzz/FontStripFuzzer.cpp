// SPDX-License-Identifier: MIT
// Fuzzes the bitmap font on glyph strips of any size, depth and content: the
// glyph scan, measuring, every way of drawing text, rendering a line into a
// surface of its own, and tinting, with text of any bytes.
#include <cstdint>
#include <string>

#include "gfx/BitmapFont.h"
#include "tools/fuzz/FuzzSupport.h"
#include "tools/fuzz/StripFromBytes.h"

namespace {

void DrawEveryWay(SDL_Surface* canvas, const BitmapFont* font, const std::string& text, int x,
                  int y) {
    const char* line = text.c_str();
    MeasureText(font, line);
    DrawText(canvas, font, x, y, line);
    DrawTextCentred(canvas, font, y, line);
    DrawTextRight(canvas, font, y, line);
    DrawTextLeft(canvas, font, y, line);
    DrawTextJustified(canvas, font, y, line);
    DrawTextFormatted(canvas, font, x, y, "%s %d", line, x);
    SDL_FreeSurface(RenderTextSurface(font, line));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    OpenHeadlessDisplay(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes bytes(data, size);
    const std::string text = bytes.Text(80);
    const int x = bytes.Number(-700, 700);
    const int y = bytes.Number(-500, 500);
    const Uint8 r = bytes.Byte();
    const Uint8 g = bytes.Byte();
    const Uint8 b = bytes.Byte();
    BitmapFont* font = BitmapFont::FromSurface(StripFromBytes(bytes));
    if (!font) {
        return 0;
    }
    SDL_Surface* canvas = SDL_GetVideoSurface();
    DrawEveryWay(canvas, font, text, x, y);
    BitmapFont* tinted = BitmapFont::Tinted(font, r, g, b);
    DrawEveryWay(canvas, tinted, text, x, y);
    BitmapFont::Release(tinted);
    // The short forms draw with the current font, the one just loaded.
    DrawText(canvas, x, y, text.c_str());
    BitmapFont::Release(font);
    return 0;
}
