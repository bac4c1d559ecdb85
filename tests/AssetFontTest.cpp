// SPDX-License-Identifier: MIT
// The generated glyph strip against the strip format the font reads: one
// glyph for each character from "!" to "~", and none after it.
#include "assets/AssetContract.h"
#include "gfx/BitmapFont.h"
#include "tests/TestSupport.h"

TEST(AssetFontStrip, HasOneGlyphPerCharacterFromBangToTilde) {
    TestScreen screen(false);
    const std::string path = DataPath(assetcontract::FontPath);
    BitmapFont* font = BitmapFont::FromFile(path.c_str());
    ASSERT_TRUE(font) << path;
    EXPECT_EQ(BitmapFont::LineHeight(font),
              assetcontract::FindImage(assetcontract::FontPath)->Height());
    for (int code = assetcontract::FirstGlyphCode; code <= assetcontract::LastGlyphCode; ++code) {
        EXPECT_GT(BitmapFont::GlyphAdvance(font, code), 0) << code;
    }
    EXPECT_EQ(BitmapFont::GlyphAdvance(font, assetcontract::LastGlyphCode + 1), 0);
    BitmapFont::Release(font);
}
