// SPDX-License-Identifier: MIT
// The generated glyph strip against the strip format the font reads: a marker
// row whose marker-coloured columns separate the glyphs, one glyph per
// character from "!" to "~", a black background, light glyphs, and a rank
// line that fits the plain area of the summary picture.
#include <SDL_image.h>

#include <algorithm>

#include "tests/TestSupport.h"
#include "tools/assetgen/AssetContract.h"

namespace {

struct GlyphRun {
    int left;
    int width;
};

class AssetFontStrip : public testing::Test {
protected:
    void SetUp() override {
        const std::string path = DataPath(assetcontract::FontPath);
        SDL_Surface* loaded = IMG_Load(path.c_str());
        ASSERT_NE(loaded, nullptr) << path;
        // Colours read the same in the display format.
        strip.reset(SDL_DisplayFormat(loaded));
        SDL_FreeSurface(loaded);
        ASSERT_TRUE(strip);
    }

    Colour At(int x, int y) { return ColourAt(strip.get(), x, y); }

    // The glyph runs, found as the font finds them: columns whose top pixel
    // is not the marker colour of pixel (0, 0).
    std::vector<GlyphRun> Glyphs() {
        std::vector<GlyphRun> runs;
        int x = 0;
        while (x < strip->w - 1) {
            if (At(x, 0) == At(0, 0)) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < strip->w && At(x, 0) != At(0, 0)) {
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
    EXPECT_EQ(At(0, strip->h - 1), (Colour{0, 0, 0}));
    for (const GlyphRun& run : Glyphs()) {
        int brightest = 0;
        for (int y = 1; y < strip->h; ++y) {
            for (int x = run.left; x < run.left + run.width; ++x) {
                brightest = std::max(brightest, At(x, y).Luma());
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
