// SPDX-License-Identifier: MIT
// The glyph strip of the rank line: one row of glyphs for "!" to "~" in code
// order. Its top row marks the glyphs: a column whose top pixel has the marker
// colour (the colour of the very first pixel) separates two glyphs; each run
// of other columns is one glyph, spacing included. The background is black,
// which the game keys out when it draws the rank over the summary picture.
#include <string>

#include "AssetWriter.h"
#include "Generators.h"
#include "PixelFont.h"

namespace {

constexpr int GlyphScale = 3;
const Rgb Marker(255, 0, 255);
const Rgb Background(0, 0, 0);

int RunWidth(const Glyph& glyph) {
    // Outline on both sides plus one column of spacing.
    return glyph.width * GlyphScale + 3;
}

}  // namespace

void DrawFont(AssetWriter& writer) {
    const char* path = assetcontract::FontPath;
    const int height = writer.Contract(path).Height();
    int width = 1;  // the separator in front of the first glyph
    for (int code = assetcontract::FirstGlyphCode; code <= assetcontract::LastGlyphCode; ++code) {
        width += RunWidth(FindGlyph(static_cast<char>(code))) + 1;
    }
    Canvas strip(width, height, Background);
    // Pale gold in a soft dark rim that is never pure black.
    const TextStyle style =
        OutlinedText(GlyphScale, Rgb(255, 250, 226), Rgb(255, 204, 96), Rgb(74, 46, 14));
    int x = 0;
    strip.SetRaw(x++, 0, Marker);
    for (int code = assetcontract::FirstGlyphCode; code <= assetcontract::LastGlyphCode; ++code) {
        const Glyph glyph = FindGlyph(static_cast<char>(code));
        DrawText(strip, x + 1, 2, std::string(1, static_cast<char>(code)), style);
        x += RunWidth(glyph);
        strip.SetRaw(x++, 0, Marker);
    }
    // The marker row is never drawn; above the glyphs it stays background.
    writer.Image(path, strip);
}
