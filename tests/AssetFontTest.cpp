// The generated glyph strip against the strip format the font reads: a marker
// row whose marker-coloured columns separate the glyphs, one glyph per
// character from "!" to "~", a black background, light glyphs, and a rank
// line that fits the plain area of the summary picture.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Image.h"
#include "tests/TestScreen.h"
#include "tools/assetgen/AssetContract.h"

namespace {

struct GlyphRun {
    int left;
    int width;
};

class AssetFontStrip : public testing::Test {
protected:
    void SetUp() override {
        const std::string path = std::string(CORVANEL_DATA_DIR) + "/" + assetcontract::FontPath;
        SDL_Surface* loaded = IMG_Load(path.c_str());
        ASSERT_NE(loaded, nullptr) << path;
        // Colours read the same in the display format, which ReadRgb knows.
        strip.reset(SDL_DisplayFormat(loaded));
        SDL_FreeSurface(loaded);
        ASSERT_TRUE(strip);
    }

    bool Same(int x1, int y1, int x2, int y2) {
        Uint8 r1, g1, b1, r2, g2, b2;
        ReadRgb(strip.get(), x1, y1, &r1, &g1, &b1);
        ReadRgb(strip.get(), x2, y2, &r2, &g2, &b2);
        return r1 == r2 && g1 == g2 && b1 == b2;
    }
    int Luma(int x, int y) {
        Uint8 r, g, b;
        ReadRgb(strip.get(), x, y, &r, &g, &b);
        return (r * 3 + g * 6 + b) / 10;
    }
    bool IsBlack(int x, int y) {
        Uint8 r, g, b;
        ReadRgb(strip.get(), x, y, &r, &g, &b);
        return r == 0 && g == 0 && b == 0;
    }

    // The glyph runs, found as the font finds them: columns whose top pixel
    // is not the marker colour of pixel (0, 0).
    std::vector<GlyphRun> Glyphs() {
        std::vector<GlyphRun> runs;
        int x = 0;
        while (x < strip->w - 1) {
            if (Same(x, 0, 0, 0)) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < strip->w && !Same(x, 0, 0, 0)) {
                ++x;
            }
            runs.push_back({left, x - left});
        }
        return runs;
    }

    TestScreen screen;
    SurfacePtr strip;
};

TEST_F(AssetFontStrip, HasOneGlyphPerCharacterFromBangToTilde) {
    EXPECT_EQ(strip->h, assetcontract::FindImage(assetcontract::FontPath)->Height());
    EXPECT_EQ(static_cast<int>(Glyphs().size()),
              assetcontract::LastGlyphCode - assetcontract::FirstGlyphCode + 1);
}

TEST_F(AssetFontStrip, BackgroundIsBlackAndGlyphsAreLight) {
    EXPECT_TRUE(IsBlack(0, strip->h - 1));
    for (const GlyphRun& run : Glyphs()) {
        int brightest = 0;
        for (int y = 1; y < strip->h; ++y) {
            for (int x = run.left; x < run.left + run.width; ++x) {
                brightest = std::max(brightest, Luma(x, y));
            }
        }
        EXPECT_GT(brightest, 150) << "glyph at column " << run.left;
    }
}

TEST_F(AssetFontStrip, RankLineFitsThePlainAreaOfTheSummary) {
    // "RANK A": the letters' runs plus the space, which is as wide as "!".
    const std::vector<GlyphRun> runs = Glyphs();
    int width = runs[0].width;
    for (char letter : std::string("RANKA")) {
        width += runs[letter - assetcontract::FirstGlyphCode].width;
    }
    EXPECT_LE(width, assetcontract::RankAreaWidth);
    EXPECT_LE(strip->h, assetcontract::RankAreaHeight);
}

}  // namespace
