// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include "gfx/LiveCount.h"
#include "gfx/Rect.h"

// A font drawn from one glyph strip: the glyphs stand side by side in one row, for the character
// codes 33 ("!") upwards, separated by columns whose top pixel has the marker colour of (0, 0).
// The top row is the marker row and is never drawn; the bottom-left pixel gives the background,
// which becomes the strip's colour key. The space has no glyph: it advances by the width of "!".
// Characters are unsigned codes 0 to 255; a code without a glyph neither draws nor advances.
//
// Every successful load makes the new font the current one, which the short forms of the
// measuring and drawing functions (those without a font argument) use.
class BitmapFont {
public:
    static constexpr int GlyphCount = 256;

    // Loads the strip from an image file; null when it cannot be read. The strip keeps the
    // format it was read in.
    static BitmapFont* FromFile(const char* path);
    // The same for a strip already in memory. The font always takes the surface over: it is
    // freed with the font, or at once when the loader returns null (no surface, one without
    // pixels, or one of palette indices without a palette).
    static BitmapFont* FromSurface(SDL_Surface* strip);
    // Frees the strip and the font; if it was the current font, there is no current font after.
    static void Release(BitmapFont* font);
    // A copy whose glyph pixels (all but the background, marker row included) have each colour
    // channel scaled by r/255, g/255, b/255. Not made current. If the strip cannot be copied the
    // font comes back without a strip: it measures but draws nothing.
    static BitmapFont* Tinted(const BitmapFont* font, Uint8 r, Uint8 g, Uint8 b);

    // The line height: the strip's height unless overwritten.
    static int LineHeight(const BitmapFont* font);
    static void SetLineHeight(BitmapFont* font, int height);
    // How far the character moves the pen: its glyph's width (the width of "!" for the space).
    static int GlyphAdvance(const BitmapFont* font, unsigned char character);
    // Where the character's glyph lies in the strip; all zero for a character without a glyph.
    static Rect GlyphRect(const BitmapFont* font, unsigned char character);
    // The glyph strip, or null for a tinted copy whose strip could not be made.
    static SDL_Surface* Strip(const BitmapFont* font);

    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

private:
    BitmapFont() = default;
    ~BitmapFont();

    bool AdoptStrip(SDL_Surface* strip);
    void ScanGlyphs();

    int height = 0;
    SDL_Surface* surface = nullptr;  // owned
    Rect glyphs[GlyphCount] = {};
    CountedLife<Held::Font> counted;
};

// The current font; null when there is none.
void SetDefaultFont(BitmapFont* font);
BitmapFont* DefaultFont();

// The sum of the advances of the characters; no spacing between them.
int MeasureText(const BitmapFont* font, const char* text);

// Draws one character with its top-left corner at (x, y) and returns its advance.
int DrawGlyph(SDL_Surface* surface, const BitmapFont* font, int x, int y, unsigned char character);
// Draws the characters one after the other from x; no wrapping, no line breaks.
void DrawText(SDL_Surface* surface, const BitmapFont* font, int x, int y, const char* text);
// Draws the text centred across the surface's width.
void DrawTextCentred(SDL_Surface* surface, const BitmapFont* font, int y, const char* text);
// Draws the text so that it ends one pixel short of the surface's right edge.
void DrawTextRight(SDL_Surface* surface, const BitmapFont* font, int y, const char* text);
// Draws the text from the surface's left edge.
void DrawTextLeft(SDL_Surface* surface, const BitmapFont* font, int y, const char* text);
// Spreads the words between the surface's left edge and one pixel short of its right edge by
// widening each space evenly, the first spaces taking one pixel more when it does not divide.
// A text without a space, or one too wide to spread, is drawn from the left edge.
void DrawTextJustified(SDL_Surface* surface, const BitmapFont* font, int y, const char* text);

// The same with printf-style formatting. All of them format into one shared buffer of 1024
// characters: longer output is cut to 1023 characters.
void DrawTextFormatted(SDL_Surface* surface, const BitmapFont* font, int x, int y,
                       const char* format, ...);
void DrawTextCentredFormatted(SDL_Surface* surface, const BitmapFont* font, int y,
                              const char* format, ...);
void DrawTextRightFormatted(SDL_Surface* surface, const BitmapFont* font, int y, const char* format,
                            ...);
void DrawTextLeftFormatted(SDL_Surface* surface, const BitmapFont* font, int y, const char* format,
                           ...);
void DrawTextJustifiedFormatted(SDL_Surface* surface, const BitmapFont* font, int y,
                                const char* format, ...);

// A new surface, owned by the caller, as wide as the text and as high as the line, filled with
// the strip's background (its colour key) and holding the text; null if it cannot be made.
SDL_Surface* RenderTextSurface(const BitmapFont* font, const char* text);

// Short forms: the same with the current font.
int MeasureText(const char* text);
int DrawGlyph(SDL_Surface* surface, int x, int y, unsigned char character);
void DrawText(SDL_Surface* surface, int x, int y, const char* text);
void DrawTextCentred(SDL_Surface* surface, int y, const char* text);
void DrawTextRight(SDL_Surface* surface, int y, const char* text);
void DrawTextLeft(SDL_Surface* surface, int y, const char* text);
void DrawTextJustified(SDL_Surface* surface, int y, const char* text);
void DrawTextFormatted(SDL_Surface* surface, int x, int y, const char* format, ...);
void DrawTextCentredFormatted(SDL_Surface* surface, int y, const char* format, ...);
void DrawTextRightFormatted(SDL_Surface* surface, int y, const char* format, ...);
void DrawTextLeftFormatted(SDL_Surface* surface, int y, const char* format, ...);
void DrawTextJustifiedFormatted(SDL_Surface* surface, int y, const char* format, ...);
SDL_Surface* RenderTextSurface(const char* text);
