// SPDX-License-Identifier: MIT
// The generated pictures against the asset contract: every file the game
// loads is there in the format its name says and loads through the game's
// own loaders at its size; the HUD frame's window is exactly the playfield
// and each gauge fits the frame's left border.
#include "assets/AssetContract.h"
#include "tests/TestSupport.h"

namespace assetcontract {
// Test names and failures show an image by its path.
void PrintTo(const ImageAsset& asset, std::ostream* out) {
    *out << asset.path;
}
}  // namespace assetcontract

namespace {

using assetcontract::ImageAsset;
using assetcontract::Keying;

// Loads a picture as the game does: keyed or opaque, converted to the
// display format.
SurfacePtr LoadAsGame(const ImageAsset& asset) {
    const std::string path = DataPath(asset.path);
    if (asset.keying == Keying::Keyed) {
        return LoadKeyedImage(path.c_str(), asset.key.r, asset.key.g, asset.key.b);
    }
    return LoadOpaqueImage(path.c_str());
}

class EveryImage : public testing::TestWithParam<ImageAsset> {
protected:
    TestScreen screen;
};

TEST_P(EveryImage, IsThereInItsFormatAndLoadsAtItsSize) {
    const ImageAsset& asset = GetParam();
    const std::string bytes = ReadFileBytes(DataPath(asset.path));
    ASSERT_GE(bytes.size(), 4u);
    if (assetcontract::HasExtension(asset.path, ".bmp")) {
        EXPECT_EQ(bytes.substr(0, 2), "BM");
    } else {
        EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
    }
    if (asset.keying != Keying::FontStrip) {
        SurfacePtr surface = LoadAsGame(asset);
        EXPECT_EQ(surface->w, asset.Width());
        EXPECT_EQ(surface->h, asset.Height());
    }
}

INSTANTIATE_TEST_SUITE_P(AssetContract, EveryImage, testing::ValuesIn(assetcontract::Images));

// Whether each pixel of a picture, loaded as the game loads it, is drawn
// (not its key colour).
std::vector<std::vector<bool>> DrawnPixels(const char* path) {
    const ImageAsset& asset = *assetcontract::FindImage(path);
    SurfacePtr surface = LoadAsGame(asset);
    const Colour key = {asset.key.r, asset.key.g, asset.key.b};
    std::vector<std::vector<bool>> drawn(surface->h, std::vector<bool>(surface->w));
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            drawn[y][x] = ColourAt(surface.get(), x, y) != key;
        }
    }
    return drawn;
}

TEST(AssetHud, TheFramesWindowIsThePlayfieldAndEachGaugeFitsItsBorder) {
    TestScreen screen;
    const auto frame = DrawnPixels(assetcontract::FramePath);
    for (size_t y = 0; y < frame.size(); ++y) {
        for (size_t x = 0; x < frame[y].size(); ++x) {
            const bool window =
                x >= assetcontract::PlayfieldLeft && x <= assetcontract::PlayfieldRight;
            ASSERT_EQ(!frame[y][x], window) << "at " << x << ", " << y;
        }
    }
    for (int i = 1; i <= assetcontract::GaugePictures; ++i) {
        const std::string path = "Images/Jauge/P" + std::to_string(i) + ".png";
        const auto gauge = DrawnPixels(path.c_str());
        EXPECT_LE(assetcontract::GaugeX + static_cast<int>(gauge[0].size()),
                  assetcontract::PlayfieldLeft);
        EXPECT_LE(assetcontract::GaugeY + static_cast<int>(gauge.size()), 480);
    }
}

}  // namespace
