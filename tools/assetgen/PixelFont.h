// SPDX-License-Identifier: MIT
#pragma once
// The game's own bold pixel font, drawn from hand-made bitmaps: it letters the
// title, loading and end pictures and fills the glyph strip of the rank line.

#include <functional>
#include <string>

#include "assets/Canvas.h"

inline constexpr int GlyphRows = 9;  // seven for capitals, two for descenders
inline constexpr int CapRows = 7;
inline constexpr int GlyphMaxWidth = 5;

struct Glyph {
    bool found = false;
    int width = 0;
    bool ink[GlyphRows][GlyphMaxWidth] = {};
};

// The bitmap of a printable ASCII character; `found` is false for others.
Glyph FindGlyph(char code);

// Calls plot(x, y, depth) for every screen pixel of the glyph's ink drawn at
// (x, y) with each font pixel a scale x scale block; depth counts rows from
// the top of the glyph.
void DrawGlyphInk(const Glyph& glyph, int scale, int x, int y,
                  const std::function<void(int, int, int)>& plot);

struct TextStyle {
    int scale = 2;
    Rgb top{255, 255, 255};     // ink colour at the top of the capitals
    Rgb bottom{255, 255, 255};  // and at their foot
    Rgb outline{0, 0, 0};
    int outlineWidth = 0;
    Rgb shadow{0, 0, 0};
    int shadowOffset = 0;
};

// Ink running from `top` to `bottom` inside a dark rim of the given width.
TextStyle OutlinedText(int scale, Rgb top, Rgb bottom, Rgb outline, int outlineWidth = 1);

// Width in pixels of a line of text at a scale, from the first ink column to
// the last.
int TextWidth(const std::string& text, int scale);
void DrawText(Canvas& canvas, int x, int y, const std::string& text, const TextStyle& style);
void DrawTextCentred(Canvas& canvas, int centreX, int y, const std::string& text,
                     const TextStyle& style);
