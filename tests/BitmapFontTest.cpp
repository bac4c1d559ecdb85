// SPDX-License-Identifier: MIT
#include "gfx/BitmapFont.h"

#include <functional>

#include "gfx/PixelAccess.h"
#include "tests/TestSupport.h"

namespace {

// Colours of the strips built here (32-bit, 0xRRGGBB) and of the paper they are drawn on.
constexpr Uint32 Marker = 0xFF00FF;
constexpr Uint32 Background = 0x0A141E;  // not black, so a tinted background would show
constexpr Uint32 Paper = 0x202020;
constexpr int StripHeight = 4;  // marker row, two rows of ink, one row of background

// Each glyph has its own ink, so a drawing shows which glyph landed where.
Uint32 Ink(int code) {
    return static_cast<Uint32>(0x40 + (code << 8));
}

struct FontReleaser {
    void operator()(BitmapFont* font) const { BitmapFont::Release(font); }
};
using FontPtr = std::unique_ptr<BitmapFont, FontReleaser>;

SurfacePtr NewCanvas(int width, int height = 8) {
    return NewSurface(width, height, Paper);
}

// A strip from its top row: '|' is a marker column, any other character a glyph column.
SDL_Surface* MakeStrip(const std::string& layout, Uint32 alphaMask = 0) {
    SDL_Surface* strip =
        NewSurface(static_cast<int>(layout.size()), StripHeight, Background, alphaMask).release();
    int code = '!' - 1;
    for (int x = 0; x < strip->w; ++x) {
        const bool isGlyph = layout[x] != '|';
        code += isGlyph && (x == 0 || layout[x - 1] == '|');
        for (int y = 0; y < StripHeight - 1; ++y) {
            WritePixel(strip, x, y, isGlyph ? Ink(code) : y == 0 ? Marker : Background);
        }
    }
    return strip;
}

// The glyphs for "!" to "D" are 1, 2 and 3 columns wide in turn.
int WidthOf(unsigned char character) {
    return 1 + character % 3;
}
SDL_Surface* MakeVariedStrip() {
    std::string layout = "|";
    for (int code = '!'; code <= 'D'; ++code) {
        layout += std::string(WidthOf(code), 'g') + "|";
    }
    return MakeStrip(layout);
}

// The first column of the row holding the colour, or -1.
int FirstColumnOf(SDL_Surface* surface, int y, Uint32 colour) {
    for (int x = 0; x < surface->w; ++x) {
        if (GetPixel(surface, x, y) == colour) {
            return x;
        }
    }
    return -1;
}

int CountColumnsOf(SDL_Surface* surface, int y, Uint32 colour) {
    int count = 0;
    for (int x = 0; x < surface->w; ++x) {
        count += GetPixel(surface, x, y) == colour;
    }
    return count;
}

class BitmapFontTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override {
        SetDefaultFont(nullptr);
        SDL_Quit();
    }
};

TEST_F(BitmapFontTest, ScanFindsRunsUpToTheRightEdgeAndKeysTheBackground) {
    FontPtr font(BitmapFont::FromSurface(MakeStrip("|gg||g|ggg")));
    ASSERT_TRUE(font);
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(font.get(), '!')), (Box{1, 1, 2, StripHeight}));
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(font.get(), '"')), (Box{5, 1, 1, StripHeight}));
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(font.get(), '#')), (Box{7, 1, 3, StripHeight}));
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(font.get(), '$')), (Box{0, 0, 0, 0}));
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(font.get(), ' ')), (Box{0, 0, 2, StripHeight}));
    EXPECT_EQ(BitmapFont::LineHeight(font.get()), StripHeight);
    SDL_Surface* strip = BitmapFont::Strip(font.get());
    EXPECT_TRUE(strip->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(strip->format->colorkey, Background);
}

TEST_F(BitmapFontTest, ScanEdgeCases) {
    FontPtr allMarker(BitmapFont::FromSurface(MakeStrip("|||||")));
    ASSERT_TRUE(allMarker);
    EXPECT_EQ(MeasureText(allMarker.get(), "! A~"), 0);

    FontPtr lastColumn(BitmapFont::FromSurface(MakeStrip("|g||g")));
    EXPECT_EQ(BitmapFont::GlyphAdvance(lastColumn.get(), '!'), 1);
    EXPECT_EQ(BitmapFont::GlyphAdvance(lastColumn.get(), '"'), 0);

    // 224 glyphs: the last one, three columns wide, has no code left.
    std::string layout = "|";
    for (int glyph = 0; glyph < 223; ++glyph) {
        layout += "g|";
    }
    FontPtr full(BitmapFont::FromSurface(MakeStrip(layout + "ggg|")));
    EXPECT_EQ(BoxOf(BitmapFont::GlyphRect(full.get(), 255)), (Box{1 + 2 * 222, 1, 1, StripHeight}));
    for (int code = 0; code < 33; ++code) {
        EXPECT_EQ(BitmapFont::GlyphAdvance(full.get(), code), code == ' ' ? 1 : 0) << code;
    }
}

TEST_F(BitmapFontTest, LoadersRefuseWhatCannotBeAStrip) {
    FontPtr current(BitmapFont::FromSurface(MakeStrip("|g|")));
    EXPECT_FALSE(BitmapFont::FromSurface(nullptr));
    EXPECT_FALSE(BitmapFont::FromFile("no/such/font.png"));
    EXPECT_EQ(DefaultFont(), current.get());
}

TEST_F(BitmapFontTest, DrawsGlyphsWithoutMarkerRowOrBackground) {
    FontPtr font(BitmapFont::FromSurface(MakeVariedStrip()));
    EXPECT_EQ(MeasureText(font.get(), "A B"), WidthOf('A') + WidthOf('!') + WidthOf('B'));
    EXPECT_EQ(MeasureText(font.get(), "\t\n~"), 0);
    SurfacePtr canvas = NewCanvas(40);
    EXPECT_EQ(DrawGlyph(canvas.get(), font.get(), 0, 0, ' '), WidthOf('!'));
    DrawText(canvas.get(), font.get(), 3, 2, "A B");
    EXPECT_EQ(FirstColumnOf(canvas.get(), 2, Ink('A')), 3);
    EXPECT_EQ(FirstColumnOf(canvas.get(), 3, Ink('B')), 3 + WidthOf('A') + WidthOf('!'));
    EXPECT_EQ(CountColumnsOf(canvas.get(), 0, Paper), 40);  // the space draws nothing
    EXPECT_EQ(CountColumnsOf(canvas.get(), 1, Paper), 40);  // the marker row stays out
    EXPECT_EQ(CountColumnsOf(canvas.get(), 4, Paper), 40);  // the background is keyed
}

TEST_F(BitmapFontTest, AlignsAcrossTheSurface) {
    FontPtr font(BitmapFont::FromSurface(MakeVariedStrip()));
    SurfacePtr canvas = NewCanvas(41);
    DrawTextCentred(canvas.get(), font.get(), 0, "AB");
    DrawTextRight(canvas.get(), font.get(), 2, "AB");
    DrawTextLeft(canvas.get(), font.get(), 4, "AB");
    EXPECT_EQ(FirstColumnOf(canvas.get(), 0, Ink('A')), 20 - (WidthOf('A') + WidthOf('B')) / 2);
    EXPECT_EQ(FirstColumnOf(canvas.get(), 2, Ink('B')), 41 - 1 - WidthOf('B'));
    EXPECT_EQ(FirstColumnOf(canvas.get(), 4, Ink('A')), 0);
}

TEST_F(BitmapFontTest, JustifiedSpreadsTheFreePixelsOverTheGaps) {
    FontPtr font(BitmapFont::FromSurface(MakeVariedStrip()));
    const int space = WidthOf('!');
    const int measured = WidthOf('A') + WidthOf('B') + WidthOf('C') + WidthOf('D') + 3 * space;
    SurfacePtr canvas = NewCanvas(measured + 1 + 10);
    DrawTextJustified(canvas.get(), font.get(), 0, "A B C D");
    const int b = WidthOf('A') + space + 4;
    const int c = b + WidthOf('B') + space + 3;
    const int d = c + WidthOf('C') + space + 3;
    EXPECT_EQ(FirstColumnOf(canvas.get(), 0, Ink('A')), 0);
    EXPECT_EQ(FirstColumnOf(canvas.get(), 0, Ink('B')), b);
    EXPECT_EQ(FirstColumnOf(canvas.get(), 0, Ink('C')), c);
    EXPECT_EQ(FirstColumnOf(canvas.get(), 0, Ink('D')), d);
    EXPECT_EQ(d + WidthOf('D'), canvas->w - 1);

    // Two spaces in a row make an empty word and two gaps: 5 free pixels give 3 and 2.
    SurfacePtr doubled = NewCanvas(WidthOf('A') + WidthOf('D') + 2 * space + 1 + 5);
    DrawTextJustified(doubled.get(), font.get(), 0, "A  D");
    EXPECT_EQ(FirstColumnOf(doubled.get(), 0, Ink('D')), WidthOf('A') + 2 * space + 3 + 2);

    // No space, or no room: from the left edge.
    DrawTextJustified(canvas.get(), font.get(), 4, "DCBA");
    SurfacePtr narrow = NewCanvas(measured + 1);
    DrawTextJustified(narrow.get(), font.get(), 0, "A B C D");
    EXPECT_EQ(FirstColumnOf(canvas.get(), 4, Ink('D')), 0);
    EXPECT_EQ(FirstColumnOf(narrow.get(), 0, Ink('B')), WidthOf('A') + space);
}

TEST_F(BitmapFontTest, FormattedTextIsCutAt1023Characters) {
    FontPtr font(BitmapFont::FromSurface(MakeStrip("|g|")));
    SurfacePtr canvas = NewCanvas(1100);
    DrawTextFormatted(canvas.get(), font.get(), 0, 0, "%s", std::string(1500, '!').c_str());
    EXPECT_EQ(CountColumnsOf(canvas.get(), 0, Ink('!')), 1023);
}

// The formatted forms format first; the short forms use the current font.
TEST_F(BitmapFontTest, FormattedAndShortFormsDrawLikeThePlainOnes) {
    FontPtr font(BitmapFont::FromSurface(MakeVariedStrip()));
    BitmapFont* f = font.get();
    const std::function<void(SDL_Surface*)> forms[] = {
        [f](SDL_Surface* s) {
            DrawText(s, f, 2, 0, "A1 B");
            DrawTextCentred(s, f, 4, "A1 B");
            DrawTextRight(s, f, 8, "A1 B");
            DrawTextLeft(s, f, 12, "A1 B");
            DrawTextJustified(s, f, 16, "A1 B");
        },
        [f](SDL_Surface* s) {
            DrawTextFormatted(s, f, 2, 0, "%c%d %s", 'A', 1, "B");
            DrawTextCentredFormatted(s, f, 4, "%c%d %s", 'A', 1, "B");
            DrawTextRightFormatted(s, f, 8, "%c%d %s", 'A', 1, "B");
            DrawTextLeftFormatted(s, f, 12, "%c%d %s", 'A', 1, "B");
            DrawTextJustifiedFormatted(s, f, 16, "%c%d %s", 'A', 1, "B");
        },
        [](SDL_Surface* s) {
            DrawText(s, 2, 0, "A1 B");
            DrawTextCentred(s, 4, "A1 B");
            DrawTextRight(s, 8, "A1 B");
            DrawTextLeft(s, 12, "A1 B");
            DrawTextJustified(s, 16, "A1 B");
        },
        [](SDL_Surface* s) {
            DrawTextFormatted(s, 2, 0, "A%d %s", 1, "B");
            DrawTextCentredFormatted(s, 4, "A%d %s", 1, "B");
            DrawTextRightFormatted(s, 8, "A%d %s", 1, "B");
            DrawTextLeftFormatted(s, 12, "A%d %s", 1, "B");
            DrawTextJustifiedFormatted(s, 16, "A%d %s", 1, "B");
        },
    };
    SurfacePtr plain = NewCanvas(60, 20);
    forms[0](plain.get());
    for (int y = 0; y <= 16; y += 4) {
        EXPECT_NE(CountColumnsOf(plain.get(), y, Paper), 60) << "row " << y;
    }
    for (const auto& form : forms) {
        SurfacePtr canvas = NewCanvas(60, 20);
        form(canvas.get());
        EXPECT_TRUE(SamePixels(plain.get(), canvas.get()));
    }
    EXPECT_EQ(MeasureText("A1 B"), MeasureText(f, "A1 B"));
}

TEST_F(BitmapFontTest, ReleasingTheCurrentFontLeavesNoCurrentFont) {
    BitmapFont* first = BitmapFont::FromSurface(MakeStrip("|g|"));
    BitmapFont* second = BitmapFont::FromSurface(MakeStrip("|gg|"));
    BitmapFont::Release(first);
    EXPECT_EQ(DefaultFont(), second);
    BitmapFont::Release(second);
    EXPECT_EQ(DefaultFont(), nullptr);

    // With no current font the short forms draw nothing and measure 0.
    SurfacePtr canvas = NewCanvas(20);
    SurfacePtr blank = NewCanvas(20);
    EXPECT_EQ(MeasureText("!"), 0);
    EXPECT_EQ(DrawGlyph(canvas.get(), 0, 0, '!'), 0);
    DrawTextFormatted(canvas.get(), 0, 0, "%s", "!!");
    DrawTextJustified(canvas.get(), 0, "! !");
    EXPECT_TRUE(SamePixels(canvas.get(), blank.get()));
    EXPECT_EQ(RenderTextSurface("!"), nullptr);
}

TEST_F(BitmapFontTest, TintScalesEveryChannelButLeavesTheBackground) {
    SDL_Surface* strip = MakeStrip("|gg|g|", 0xFF000000);
    const SDL_PixelFormat* format = strip->format;
    WritePixel(strip, 1, 1, SDL_MapRGBA(format, 200, 100, 50, 0x80));
    FontPtr font(BitmapFont::FromSurface(strip));
    FontPtr tinted(BitmapFont::Tinted(font.get(), 128, 64, 255));
    ASSERT_TRUE(tinted);
    SDL_Surface* copy = BitmapFont::Strip(tinted.get());
    ASSERT_TRUE(copy);
    // 200·128/255, 100·64/255 and 50·255/255, each rounded down.
    EXPECT_EQ(GetPixel(copy, 1, 1), SDL_MapRGBA(format, 100, 25, 50, 0x80));
    EXPECT_EQ(GetPixel(copy, 0, 0), SDL_MapRGBA(format, 128, 0, 255, 0));  // the marker row
    EXPECT_EQ(GetPixel(copy, 2, 3), Background);
    EXPECT_EQ(copy->format->colorkey, Background);
    EXPECT_EQ(GetPixel(strip, 1, 1), SDL_MapRGBA(format, 200, 100, 50, 0x80));
    EXPECT_EQ(MeasureText(tinted.get(), "!\" "), MeasureText(font.get(), "!\" "));
    EXPECT_EQ(DefaultFont(), font.get());
}

TEST_F(BitmapFontTest, RenderedTextIsKeyedOnTheBackground) {
    FontPtr font(BitmapFont::FromSurface(MakeVariedStrip()));
    BitmapFont::SetLineHeight(font.get(), 6);
    SurfacePtr rendered(RenderTextSurface(font.get(), "B A"));
    ASSERT_TRUE(rendered);
    EXPECT_EQ(rendered->w, MeasureText(font.get(), "B A"));
    EXPECT_EQ(rendered->h, 6);
    EXPECT_TRUE(rendered->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(rendered->format->colorkey, Background);
    EXPECT_EQ(FirstColumnOf(rendered.get(), 0, Ink('B')), 0);
    EXPECT_EQ(FirstColumnOf(rendered.get(), 1, Ink('A')), WidthOf('B') + WidthOf('!'));
    EXPECT_EQ(CountColumnsOf(rendered.get(), 5, Background), rendered->w);
}

}  // namespace
