// SPDX-License-Identifier: MIT
#include "gfx/BitmapFont.h"

#include "gfx/Image.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>

#include "gfx/PixelAccess.h"

namespace {

constexpr unsigned char FirstGlyphCode = '!';
constexpr unsigned char Space = ' ';
constexpr int SharedTextSize = 1024;

BitmapFont* currentFont = nullptr;
char sharedText[SharedTextSize];

// The background colour sits in the strip's bottom-left corner; the caller holds the lock.
Uint32 BottomLeftPixel(SDL_Surface* strip) {
    return GetPixel(strip, 0, strip->h - 1);
}

// The first column at or after start whose top pixel is the marker: the end of a glyph's run.
int GlyphRunEnd(SDL_Surface* strip, int start, Uint32 marker) {
    int x = start;
    while (x < strip->w && GetPixel(strip, x, 0) != marker) {
        ++x;
    }
    return x;
}

// Each colour channel scaled by its tint factor, with integer division; alpha kept.
Uint32 TintedPixel(Uint32 pixel, const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b) {
    Uint8 r0 = 0;
    Uint8 g0 = 0;
    Uint8 b0 = 0;
    Uint8 a0 = 0;
    SDL_GetRGBA(pixel, format, &r0, &g0, &b0, &a0);
    return SDL_MapRGBA(format, static_cast<Uint8>(r0 * r / 255), static_cast<Uint8>(g0 * g / 255),
                       static_cast<Uint8>(b0 * b / 255), a0);
}

// Tints every pixel of the strip copy but its background, column by column, and keys the
// background. The background is taken from the strip's own bottom row, not from the line height,
// which may have been set past the strip. False when the copy's pixels cannot be reached.
bool TintStrip(SDL_Surface* copy, Uint8 r, Uint8 g, Uint8 b) {
    Uint32 key = 0;
    {
        SurfacePixelLock lock(copy);
        if (!lock.Ready()) {
            return false;
        }
        key = BottomLeftPixel(copy);
        for (int x = 0; x < copy->w; ++x) {
            for (int y = 0; y < copy->h; ++y) {
                const Uint32 pixel = GetPixel(copy, x, y);
                if (pixel != key) {
                    WritePixel(copy, x, y, TintedPixel(pixel, copy->format, r, g, b));
                }
            }
        }
    }
    SDL_SetColorKey(copy, SDL_SRCCOLORKEY, key);
    return true;
}

// A tinted copy of the strip in the strip's own format, or null if it cannot be made.
SDL_Surface* MakeTintedStrip(SDL_Surface* strip, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* copy = SDL_ConvertSurface(strip, strip->format, strip->flags);
    if (copy && !TintStrip(copy, r, g, b)) {
        SDL_FreeSurface(copy);
        copy = nullptr;
    }
    return copy;
}

bool ReadBackground(SDL_Surface* strip, Uint32* background) {
    SurfacePixelLock lock(strip);
    if (lock.Ready()) {
        *background = BottomLeftPixel(strip);
    }
    return lock.Ready();
}

// A paletted surface must share the strip's palette, or its glyph indices would mean other
// colours.
void CopyPalette(const SDL_Surface* from, SDL_Surface* to) {
    const SDL_Palette* palette = from->format->palette;
    if (palette && to->format->palette) {
        SDL_SetColors(to, palette->colors, 0, palette->ncolors);
    }
}

// A surface shaped like the strip (its depth and colour masks, no alpha), width x height.
SDL_Surface* CreateLikeStrip(SDL_Surface* strip, int width, int height) {
    const SDL_PixelFormat* format = strip->format;
    SDL_Surface* created = SDL_CreateRGBSurface(strip->flags, width, height, format->BitsPerPixel,
                                                format->Rmask, format->Gmask, format->Bmask, 0);
    if (created) {
        CopyPalette(strip, created);
    }
    return created;
}

// Draws the characters from begin up to end, from x on; returns the x after the last one.
int DrawSpan(SDL_Surface* surface, const BitmapFont* font, int x, int y, const char* begin,
             const char* end) {
    for (const char* character = begin; character != end; ++character) {
        x += DrawGlyph(surface, font, x, y, static_cast<unsigned char>(*character));
    }
    return x;
}

int SurfaceWidth(const SDL_Surface* surface) {
    return surface ? surface->w : 0;
}

// A missing text counts as an empty one.
const char* OrEmpty(const char* text) {
    return text ? text : "";
}

int CountSpaces(const char* text) {
    return static_cast<int>(std::count(text, text + std::strlen(text), Space));
}

// Formats into the one buffer that every formatted form shares; longer output is cut to 1023
// characters.
const char* FormatSharedText(const char* format, va_list args) {
    if (!format || std::vsnprintf(sharedText, sizeof sharedText, format, args) < 0) {
        sharedText[0] = '\0';
    }
    sharedText[SharedTextSize - 1] = '\0';
    return sharedText;
}

}  // namespace

BitmapFont::~BitmapFont() {
    SDL_FreeSurface(surface);
}

// Read as every picture is, so that a strip is looked at before it is
// decoded and one of absurd size is refused from its header.
BitmapFont* BitmapFont::FromFile(const char* path) {
    return path ? FromSurface(ReadImage(path)) : nullptr;
}

BitmapFont* BitmapFont::FromSurface(SDL_Surface* strip) {
    if (!strip) {
        return nullptr;
    }
    BitmapFont* font = new (std::nothrow) BitmapFont;
    if (!font) {
        SDL_FreeSurface(strip);
        return nullptr;
    }
    font->surface = strip;
    if (!font->AdoptStrip(strip)) {
        delete font;
        return nullptr;
    }
    SetDefaultFont(font);
    return font;
}

// Scans the glyphs and keys the background. A strip without pixels has no marker row and no
// background corner to read, one without colours cannot be drawn, and one that cannot be locked
// cannot be read at all.
bool BitmapFont::AdoptStrip(SDL_Surface* strip) {
    if (strip->w < 1 || strip->h < 1 || !HasColours(strip)) {
        return false;
    }
    Uint32 background = 0;
    {
        SurfacePixelLock lock(strip);
        if (!lock.Ready()) {
            return false;
        }
        ScanGlyphs();
        background = BottomLeftPixel(strip);
    }
    height = strip->h;
    SDL_SetColorKey(strip, SDL_SRCCOLORKEY, background);
    return true;
}

// Walks the marker row: each run of non-marker columns is the next glyph, from "!" on. A new
// glyph is looked for only up to one column before the right edge, and codes stop at 255.
void BitmapFont::ScanGlyphs() {
    const Uint32 marker = GetPixel(surface, 0, 0);
    int code = FirstGlyphCode;
    for (int x = 0; x < surface->w - 1 && code < GlyphCount;) {
        if (GetPixel(surface, x, 0) == marker) {
            ++x;
            continue;
        }
        const int end = GlyphRunEnd(surface, x, marker);
        glyphs[code++] = MakeRect(x, 1, end - x, surface->h);
        x = end;
    }
    glyphs[Space] = MakeRect(0, 0, glyphs[FirstGlyphCode].w, surface->h);
}

void BitmapFont::Release(BitmapFont* font) {
    // The short forms would otherwise go on drawing from a freed strip.
    if (font && DefaultFont() == font) {
        SetDefaultFont(nullptr);
    }
    delete font;
}

BitmapFont* BitmapFont::Tinted(const BitmapFont* font, Uint8 r, Uint8 g, Uint8 b) {
    if (!font) {
        return nullptr;
    }
    BitmapFont* copy = new (std::nothrow) BitmapFont;
    if (!copy) {
        return nullptr;
    }
    copy->height = font->height;
    std::copy(std::begin(font->glyphs), std::end(font->glyphs), std::begin(copy->glyphs));
    if (font->surface) {
        copy->surface = MakeTintedStrip(font->surface, r, g, b);
    }
    return copy;
}

int BitmapFont::LineHeight(const BitmapFont* font) {
    return font ? font->height : 0;
}

void BitmapFont::SetLineHeight(BitmapFont* font, int height) {
    if (font) {
        font->height = height;
    }
}

int BitmapFont::GlyphAdvance(const BitmapFont* font, unsigned char character) {
    return GlyphRect(font, character).w;
}

Rect BitmapFont::GlyphRect(const BitmapFont* font, unsigned char character) {
    return font ? font->glyphs[character] : MakeRect(0, 0, 0, 0);
}

SDL_Surface* BitmapFont::Strip(const BitmapFont* font) {
    return font ? font->surface : nullptr;
}

void SetDefaultFont(BitmapFont* font) {
    currentFont = font;
}

BitmapFont* DefaultFont() {
    return currentFont;
}

int MeasureText(const BitmapFont* font, const char* text) {
    int width = 0;
    for (const char* character = OrEmpty(text); *character; ++character) {
        width += BitmapFont::GlyphAdvance(font, static_cast<unsigned char>(*character));
    }
    return width;
}

int DrawGlyph(SDL_Surface* surface, const BitmapFont* font, int x, int y, unsigned char character) {
    const int advance = BitmapFont::GlyphAdvance(font, character);
    // A tinted copy whose strip could not be made still measures, but has nothing to draw.
    SDL_Surface* strip = BitmapFont::Strip(font);
    if (character != Space && advance > 0 && strip && surface) {
        Rect source = BitmapFont::GlyphRect(font, character);
        Rect where = MakeRect(x, y, 0, 0);
        SDL_UpperBlit(strip, &source, surface, &where);
    }
    return advance;
}

void DrawText(SDL_Surface* surface, const BitmapFont* font, int x, int y, const char* text) {
    text = OrEmpty(text);
    DrawSpan(surface, font, x, y, text, text + std::strlen(text));
}

void DrawTextCentred(SDL_Surface* surface, const BitmapFont* font, int y, const char* text) {
    DrawText(surface, font, SurfaceWidth(surface) / 2 - MeasureText(font, text) / 2, y, text);
}

void DrawTextRight(SDL_Surface* surface, const BitmapFont* font, int y, const char* text) {
    DrawText(surface, font, SurfaceWidth(surface) - MeasureText(font, text) - 1, y, text);
}

void DrawTextLeft(SDL_Surface* surface, const BitmapFont* font, int y, const char* text) {
    DrawText(surface, font, 0, y, text);
}

void DrawTextJustified(SDL_Surface* surface, const BitmapFont* font, int y, const char* text) {
    text = OrEmpty(text);
    const int gaps = CountSpaces(text);
    const int freeWidth = SurfaceWidth(surface) - 1 - MeasureText(font, text);
    if (gaps == 0 || freeWidth < 1) {
        DrawText(surface, font, 0, y, text);
        return;
    }
    const int extra = freeWidth / gaps;
    int widerGaps = freeWidth - extra * gaps;
    const int spaceAdvance = BitmapFont::GlyphAdvance(font, Space);
    int x = 0;
    const char* word = text;
    for (const char* space = std::strchr(word, Space); space; space = std::strchr(word, Space)) {
        x = DrawSpan(surface, font, x, y, word, space) + spaceAdvance + extra;
        if (widerGaps > 0) {
            ++x;
            --widerGaps;
        }
        word = space + 1;
    }
    DrawText(surface, font, x, y, word);
}

void DrawTextFormatted(SDL_Surface* surface, const BitmapFont* font, int x, int y,
                       const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawText(surface, font, x, y, text);
}

void DrawTextCentredFormatted(SDL_Surface* surface, const BitmapFont* font, int y,
                              const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextCentred(surface, font, y, text);
}

void DrawTextRightFormatted(SDL_Surface* surface, const BitmapFont* font, int y, const char* format,
                            ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextRight(surface, font, y, text);
}

void DrawTextLeftFormatted(SDL_Surface* surface, const BitmapFont* font, int y, const char* format,
                           ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextLeft(surface, font, y, text);
}

void DrawTextJustifiedFormatted(SDL_Surface* surface, const BitmapFont* font, int y,
                                const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextJustified(surface, font, y, text);
}

SDL_Surface* RenderTextSurface(const BitmapFont* font, const char* text) {
    // A tinted copy without a strip has nothing to render from.
    SDL_Surface* strip = BitmapFont::Strip(font);
    const int height = BitmapFont::LineHeight(font);
    if (!strip || height < 0) {
        return nullptr;
    }
    SDL_Surface* rendered = CreateLikeStrip(strip, MeasureText(font, text), height);
    Uint32 background = 0;
    if (rendered && !ReadBackground(strip, &background)) {
        SDL_FreeSurface(rendered);
        rendered = nullptr;
    }
    if (rendered) {
        SDL_FillRect(rendered, nullptr, background);
        DrawText(rendered, font, 0, 0, text);
        SDL_SetColorKey(rendered, SDL_SRCCOLORKEY, background);
    }
    return rendered;
}

// The short forms draw with the current font; with none they draw nothing and measure 0.

int MeasureText(const char* text) {
    return MeasureText(DefaultFont(), text);
}

int DrawGlyph(SDL_Surface* surface, int x, int y, unsigned char character) {
    return DrawGlyph(surface, DefaultFont(), x, y, character);
}

void DrawText(SDL_Surface* surface, int x, int y, const char* text) {
    DrawText(surface, DefaultFont(), x, y, text);
}

void DrawTextCentred(SDL_Surface* surface, int y, const char* text) {
    DrawTextCentred(surface, DefaultFont(), y, text);
}

void DrawTextRight(SDL_Surface* surface, int y, const char* text) {
    DrawTextRight(surface, DefaultFont(), y, text);
}

void DrawTextLeft(SDL_Surface* surface, int y, const char* text) {
    DrawTextLeft(surface, DefaultFont(), y, text);
}

void DrawTextJustified(SDL_Surface* surface, int y, const char* text) {
    DrawTextJustified(surface, DefaultFont(), y, text);
}

void DrawTextFormatted(SDL_Surface* surface, int x, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawText(surface, DefaultFont(), x, y, text);
}

void DrawTextCentredFormatted(SDL_Surface* surface, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextCentred(surface, DefaultFont(), y, text);
}

void DrawTextRightFormatted(SDL_Surface* surface, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextRight(surface, DefaultFont(), y, text);
}

void DrawTextLeftFormatted(SDL_Surface* surface, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextLeft(surface, DefaultFont(), y, text);
}

void DrawTextJustifiedFormatted(SDL_Surface* surface, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatSharedText(format, args);
    va_end(args);
    DrawTextJustified(surface, DefaultFont(), y, text);
}

SDL_Surface* RenderTextSurface(const char* text) {
    return RenderTextSurface(DefaultFont(), text);
}
