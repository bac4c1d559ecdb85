// SPDX-License-Identifier: MIT
#include "PixelFont.h"

#include <cstring>

namespace {

// Each glyph: its rows top to bottom, separated by spaces; '#' is ink. Capitals
// stand seven rows tall; the two rows below are for descenders. The width of a
// glyph is the length of its rows.
struct GlyphSource {
    char code;
    const char* rows;
};

const GlyphSource Sources[] = {
    {'!', ".#. .#. .#. .#. .#. ... .#."},
    {'"', "#.# #.# #.#"},
    {'#', ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#."},
    {'$', "..#.. .#### #.#.. .###. ..#.# ####. ..#.."},
    {'%', "##..# ##..# ...#. ..#.. .#... #..## #..##"},
    {'&', ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#"},
    {'\'', "# # #"},
    {'(', "..# .#. #.. #.. #.. .#. ..#"},
    {')', "#.. .#. ..# ..# ..# .#. #.."},
    {'*', "..... ..#.. #.#.# .###. #.#.# ..#.."},
    {'+', "..... ..#.. ..#.. ##### ..#.. ..#.."},
    {',', ".. .. .. .. .. .# .# #."},
    {'-', ".... .... .... ####"},
    {'.', ". . . . . . #"},
    {'/', "....# ...#. ...#. ..#.. .#... .#... #...."},
    {'0', ".###. #...# #..## #.#.# ##..# #...# .###."},
    {'1', ".#. ##. .#. .#. .#. .#. ###"},
    {'2', ".###. #...# ....# ...#. ..#.. .#... #####"},
    {'3', "####. ....# ....# .###. ....# ....# ####."},
    {'4', "...#. ..##. .#.#. #..#. ##### ...#. ...#."},
    {'5', "##### #.... ####. ....# ....# #...# .###."},
    {'6', "..##. .#... #.... ####. #...# #...# .###."},
    {'7', "##### ....# ...#. ..#.. .#... .#... .#..."},
    {'8', ".###. #...# #...# .###. #...# #...# .###."},
    {'9', ".###. #...# #...# .#### ....# ...#. .##.."},
    {':', ". . # . . # ."},
    {';', ".. .. .# .. .. .# .# #."},
    {'<', "...# ..#. .#.. #... .#.. ..#. ...#"},
    {'=', "..... ..... ##### ..... #####"},
    {'>', "#... .#.. ..#. ...# ..#. .#.. #..."},
    {'?', ".###. #...# ....# ...#. ..#.. ..... ..#.."},
    {'@', ".###. #...# #.### #.#.# #.### #.... .###."},
    {'A', ".###. #...# #...# ##### #...# #...# #...#"},
    {'B', "####. #...# #...# ####. #...# #...# ####."},
    {'C', ".###. #...# #.... #.... #.... #...# .###."},
    {'D', "####. #...# #...# #...# #...# #...# ####."},
    {'E', "##### #.... #.... ####. #.... #.... #####"},
    {'F', "##### #.... #.... ####. #.... #.... #...."},
    {'G', ".###. #...# #.... #.### #...# #...# .####"},
    {'H', "#...# #...# #...# ##### #...# #...# #...#"},
    {'I', "### .#. .#. .#. .#. .#. ###"},
    {'J', "..### ...#. ...#. ...#. ...#. #..#. .##.."},
    {'K', "#...# #..#. #.#.. ##... #.#.. #..#. #...#"},
    {'L', "#.... #.... #.... #.... #.... #.... #####"},
    {'M', "#...# ##.## #.#.# #.#.# #...# #...# #...#"},
    {'N', "#...# #...# ##..# #.#.# #..## #...# #...#"},
    {'O', ".###. #...# #...# #...# #...# #...# .###."},
    {'P', "####. #...# #...# ####. #.... #.... #...."},
    {'Q', ".###. #...# #...# #...# #.#.# #..#. .##.#"},
    {'R', "####. #...# #...# ####. #.#.. #..#. #...#"},
    {'S', ".#### #.... #.... .###. ....# ....# ####."},
    {'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'U', "#...# #...# #...# #...# #...# #...# .###."},
    {'V', "#...# #...# #...# #...# #...# .#.#. ..#.."},
    {'W', "#...# #...# #...# #.#.# #.#.# #.#.# .#.#."},
    {'X', "#...# #...# .#.#. ..#.. .#.#. #...# #...#"},
    {'Y', "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.."},
    {'Z', "##### ....# ...#. ..#.. .#... #.... #####"},
    {'[', "### #.. #.. #.. #.. #.. ###"},
    {'\\', "#.... .#... .#... ..#.. ...#. ...#. ....#"},
    {']', "### ..# ..# ..# ..# ..# ###"},
    {'^', "..#.. .#.#. #...#"},
    {'_', "..... ..... ..... ..... ..... ..... ..... #####"},
    {'`', "#. .#"},
    {'a', "..... ..... .###. ....# .#### #...# .####"},
    {'b', "#.... #.... ####. #...# #...# #...# ####."},
    {'c', "..... ..... .#### #.... #.... #.... .####"},
    {'d', "....# ....# .#### #...# #...# #...# .####"},
    {'e', "..... ..... .###. #...# ##### #.... .###."},
    {'f', "..## .#.. #### .#.. .#.. .#.. .#.."},
    {'g', "..... ..... .#### #...# #...# #...# .#### ....# .###."},
    {'h', "#.... #.... ####. #...# #...# #...# #...#"},
    {'i', "# . # # # # #"},
    {'j', "..# ... ..# ..# ..# ..# ..# #.# .#."},
    {'k', "#... #... #..# #.#. ##.. #.#. #..#"},
    {'l', "#. #. #. #. #. #. .#"},
    {'m', "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#"},
    {'n', "..... ..... ####. #...# #...# #...# #...#"},
    {'o', "..... ..... .###. #...# #...# #...# .###."},
    {'p', "..... ..... ####. #...# #...# #...# ####. #.... #...."},
    {'q', "..... ..... .#### #...# #...# #...# .#### ....# ....#"},
    {'r', "..... ..... #.##. ##..# #.... #.... #...."},
    {'s', "..... ..... .#### #.... .###. ....# ####."},
    {'t', ".#.. .#.. #### .#.. .#.. .#.. ..##"},
    {'u', "..... ..... #...# #...# #...# #...# .####"},
    {'v', "..... ..... #...# #...# #...# .#.#. ..#.."},
    {'w', "..... ..... #...# #...# #.#.# #.#.# .#.#."},
    {'x', "..... ..... #...# .#.#. ..#.. .#.#. #...#"},
    {'y', "..... ..... #...# #...# #...# #...# .#### ....# .###."},
    {'z', "..... ..... ##### ...#. ..#.. .#... #####"},
    {'{', "..## .#.. .#.. #... .#.. .#.. ..##"},
    {'|', "# # # # # # # #"},
    {'}', "##.. ..#. ..#. ...# ..#. ..#. ##.."},
    {'~', "..... ..... .#... #.#.# ...#."},
};

// Spacing between letters and the width of a word gap, in font pixels.
constexpr int LetterGap = 1;
constexpr int SpaceWidth = 3;

}  // namespace

Glyph FindGlyph(char code) {
    Glyph glyph;
    for (const GlyphSource& source : Sources) {
        if (source.code != code) {
            continue;
        }
        const char* row = source.rows;
        int y = 0;
        while (*row && y < GlyphRows) {
            const char* end = std::strchr(row, ' ');
            const int length =
                end ? static_cast<int>(end - row) : static_cast<int>(std::strlen(row));
            glyph.width = std::max(glyph.width, length);
            for (int x = 0; x < length && x < GlyphMaxWidth; ++x) {
                glyph.ink[y][x] = row[x] == '#';
            }
            ++y;
            row = end ? end + 1 : row + length;
        }
        glyph.found = true;
        break;
    }
    return glyph;
}

TextStyle OutlinedText(int scale, Rgb top, Rgb bottom, Rgb outline, int outlineWidth) {
    TextStyle style;
    style.scale = scale;
    style.top = top;
    style.bottom = bottom;
    style.outline = outline;
    style.outlineWidth = outlineWidth;
    return style;
}

int TextWidth(const std::string& text, int scale) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        width += text[i] == ' ' ? SpaceWidth : FindGlyph(text[i]).width;
        if (i + 1 < text.size()) {
            width += LetterGap;
        }
    }
    return width * scale;
}

void DrawGlyphInk(const Glyph& glyph, int scale, int x, int y,
                  const std::function<void(int, int, int)>& plot) {
    for (int row = 0; row < GlyphRows; ++row) {
        for (int column = 0; column < glyph.width; ++column) {
            if (!glyph.ink[row][column]) {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    plot(x + column * scale + dx, y + row * scale + dy, row * scale + dy);
                }
            }
        }
    }
}

void DrawText(Canvas& canvas, int x, int y, const std::string& text, const TextStyle& style) {
    const int s = style.scale;
    const int inkHeight = CapRows * s;
    auto glyphAt = [&](auto plot) {
        int penX = x;
        for (char code : text) {
            if (code == ' ') {
                penX += (SpaceWidth + LetterGap) * s;
                continue;
            }
            const Glyph glyph = FindGlyph(code);
            DrawGlyphInk(glyph, s, penX, y, plot);
            penX += (glyph.width + LetterGap) * s;
        }
    };
    if (style.shadowOffset > 0) {
        glyphAt([&](int px, int py, int) {
            canvas.Set(px + style.shadowOffset, py + style.shadowOffset, style.shadow);
        });
    }
    if (style.outlineWidth > 0) {
        const int w = style.outlineWidth;
        glyphAt([&](int px, int py, int) {
            for (int dy = -w; dy <= w; ++dy) {
                for (int dx = -w; dx <= w; ++dx) {
                    canvas.Set(px + dx, py + dy, style.outline);
                }
            }
        });
    }
    glyphAt([&](int px, int py, int depth) {
        const double t = std::min(1.0, depth / std::max(1.0, inkHeight - 1.0));
        canvas.Set(px, py, Mix(style.top, style.bottom, t));
    });
}

void DrawTextCentred(Canvas& canvas, int centreX, int y, const std::string& text,
                     const TextStyle& style) {
    DrawText(canvas, centreX - TextWidth(text, style.scale) / 2, y, text, style);
}
