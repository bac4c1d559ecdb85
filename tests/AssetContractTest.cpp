// SPDX-License-Identifier: MIT
// The generated pictures against the asset contract: every file the game
// loads is there, loads through the game's own loaders, has its size, strip
// layout and colour key, and the special pictures keep their promises (the
// HUD window, the seamless backgrounds, the plain rank area).
#include <cctype>
#include <cstdlib>

#include "tests/TestSupport.h"
#include "tools/assetgen/AssetContract.h"

namespace assetcontract {
// Test names and failures show an image by its path.
void PrintTo(const ImageAsset& asset, std::ostream* out) {
    *out << asset.path;
}
}  // namespace assetcontract

namespace {

using assetcontract::ImageAsset;
using assetcontract::Keying;

int Distance(Colour a, Colour b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Loads a picture as the game does: keyed or opaque, converted to the
// display format.
SurfacePtr LoadAsGame(const ImageAsset& asset) {
    const std::string path = DataPath(asset.path);
    if (asset.keying == Keying::Keyed) {
        return LoadKeyedImage(path.c_str(), asset.key.r, asset.key.g, asset.key.b);
    }
    return LoadOpaqueImage(path.c_str());
}

// A picture loaded as the game loads it, copied out pixel by pixel for
// scanning, with the key colour of its contract.
class Picture {
public:
    explicit Picture(const ImageAsset& asset) : key{asset.key.r, asset.key.g, asset.key.b} {
        SurfacePtr surface = LoadAsGame(asset);
        width_ = surface->w;
        height_ = surface->h;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                pixels_.push_back(ColourAt(surface.get(), x, y));
            }
        }
    }
    explicit Picture(const char* path) : Picture(*assetcontract::FindImage(path)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    bool Drawn(int x, int y) const { return At(x, y) != key; }

    // Mean colour difference between two rows, per pixel.
    double RowDifference(int a, int b) const {
        double sum = 0;
        for (int x = 0; x < width_; ++x) {
            sum += Distance(At(x, a), At(x, b));
        }
        return sum / width_;
    }

    const Colour key;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

std::string TestName(const testing::TestParamInfo<ImageAsset>& info) {
    std::string name = info.param.path;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

// The images of the table that a test family applies to.
template <class Keep>
std::vector<ImageAsset> ImagesWhere(Keep keep) {
    std::vector<ImageAsset> images;
    for (const ImageAsset& asset : assetcontract::Images) {
        if (keep(asset)) {
            images.push_back(asset);
        }
    }
    return images;
}

bool IsSprite(const ImageAsset& asset) {
    return asset.keying == Keying::Keyed && asset.path != std::string(assetcontract::FramePath);
}

class ImageTest : public testing::TestWithParam<ImageAsset> {
protected:
    TestScreen screen;
};
class EveryImage : public ImageTest {};
class GameLoadedImage : public ImageTest {};
class SpriteImage : public ImageTest {};
class KeyedImage : public ImageTest {};
class ScrollingImage : public ImageTest {};

TEST_P(EveryImage, IsThereInTheFormatItsNameSays) {
    const ImageAsset& asset = GetParam();
    const std::string bytes = ReadFileBytes(DataPath(asset.path));
    ASSERT_GE(bytes.size(), 4u) << asset.path;
    if (assetcontract::HasExtension(asset.path, ".bmp")) {
        EXPECT_EQ(bytes.substr(0, 2), "BM");
    } else {
        EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
    }
}

TEST_P(GameLoadedImage, LoadsThroughTheGameLoaderAtItsSize) {
    const ImageAsset& asset = GetParam();
    SurfacePtr surface = LoadAsGame(asset);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->w, asset.Width());
    EXPECT_EQ(surface->h, asset.Height());
}

TEST_P(SpriteImage, CellsStandOnTheirKeyAndShowSomething) {
    const ImageAsset& asset = GetParam();
    const Picture picture(asset);
    for (int cell = 0; cell < asset.cells; ++cell) {
        const int left = cell * asset.cellWidth;
        const int right = left + asset.cellWidth - 1;
        const int bottom = asset.cellHeight - 1;
        EXPECT_EQ(picture.At(left, 0), picture.key) << "cell " << cell;
        EXPECT_EQ(picture.At(right, 0), picture.key) << "cell " << cell;
        EXPECT_EQ(picture.At(left, bottom), picture.key) << "cell " << cell;
        EXPECT_EQ(picture.At(right, bottom), picture.key) << "cell " << cell;
        // Strip playback never shows a strip's last cell; every other one
        // has something to show.
        if (cell + 1 < asset.cells || asset.cells == 1) {
            int drawn = 0;
            for (int y = 0; y < asset.cellHeight; ++y) {
                for (int x = left; x <= right; ++x) {
                    drawn += picture.Drawn(x, y);
                }
            }
            EXPECT_GT(drawn, 0) << "cell " << cell << " is empty";
        }
    }
}

// A shading accident shows as a lone key pixel inside the sprite: a pixel
// that turns transparent while all four of its neighbours are drawn.
TEST_P(KeyedImage, KeyColourNeverAppearsInsideTheDrawing) {
    const Picture picture(GetParam());
    for (int y = 1; y + 1 < picture.Height(); ++y) {
        for (int x = 1; x + 1 < picture.Width(); ++x) {
            if (!picture.Drawn(x, y)) {
                const bool enclosed = picture.Drawn(x - 1, y) && picture.Drawn(x + 1, y) &&
                                      picture.Drawn(x, y - 1) && picture.Drawn(x, y + 1);
                ASSERT_FALSE(enclosed) << "lone key pixel at " << x << ", " << y;
            }
        }
    }
}

// Scrolling backgrounds wrap: the bottom row must run into the top row no
// more abruptly than any two neighbouring rows inside the picture.
TEST_P(ScrollingImage, WrapsWithoutASeam) {
    const Picture picture(GetParam());
    double typical = 0;
    for (int y = 0; y + 1 < picture.Height(); ++y) {
        typical += picture.RowDifference(y, y + 1);
    }
    typical /= picture.Height() - 1;
    const double seam = picture.RowDifference(picture.Height() - 1, 0);
    EXPECT_LE(seam, 3.0 * typical + 2.0) << "rows inside differ by " << typical << " on average";
}

INSTANTIATE_TEST_SUITE_P(AssetContract, EveryImage, testing::ValuesIn(assetcontract::Images),
                         TestName);
INSTANTIATE_TEST_SUITE_P(AssetContract, GameLoadedImage,
                         testing::ValuesIn(ImagesWhere([](const ImageAsset& asset) {
                             return asset.keying != Keying::FontStrip;
                         })),
                         TestName);
INSTANTIATE_TEST_SUITE_P(AssetContract, SpriteImage, testing::ValuesIn(ImagesWhere(IsSprite)),
                         TestName);
INSTANTIATE_TEST_SUITE_P(AssetContract, KeyedImage,
                         testing::ValuesIn(ImagesWhere([](const ImageAsset& asset) {
                             return asset.keying == Keying::Keyed;
                         })),
                         TestName);
INSTANTIATE_TEST_SUITE_P(AssetContract, ScrollingImage,
                         testing::ValuesIn(ImagesWhere([](const ImageAsset& asset) {
                             return asset.wrapsVertically;
                         })),
                         TestName);

TEST(AssetContract, EveryImagePathIsListedOnce) {
    for (const ImageAsset& a : assetcontract::Images) {
        int count = 0;
        for (const ImageAsset& b : assetcontract::Images) {
            count += std::string(a.path) == b.path;
        }
        EXPECT_EQ(count, 1) << a.path;
    }
}

TEST(AssetHudFrame, KeyFillsExactlyThePlayfieldWindow) {
    TestScreen screen;
    const Picture frame(assetcontract::FramePath);
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = 0; x < frame.Width(); ++x) {
            const bool window =
                x >= assetcontract::PlayfieldLeft && x <= assetcontract::PlayfieldRight;
            ASSERT_EQ(!frame.Drawn(x, y), window) << "at " << x << ", " << y;
        }
    }
}

TEST(AssetHudGauge, FitsInsideTheFrameBorderAndShowsEveryLifeCount) {
    TestScreen screen;
    std::vector<Picture> gauges;
    for (int i = 1; i <= assetcontract::GaugePictures; ++i) {
        const std::string path = "Images/Jauge/P" + std::to_string(i) + ".png";
        gauges.emplace_back(path.c_str());
        EXPECT_LE(assetcontract::GaugeX + gauges.back().Width(), assetcontract::PlayfieldLeft);
        EXPECT_LE(assetcontract::GaugeY + gauges.back().Height(), 480);
    }
    // Each life lost changes the gauge.
    for (size_t i = 0; i + 1 < gauges.size(); ++i) {
        int changed = 0;
        for (int y = 0; y < gauges[i].Height(); ++y) {
            for (int x = 0; x < gauges[i].Width(); ++x) {
                changed += gauges[i].At(x, y) != gauges[i + 1].At(x, y);
            }
        }
        EXPECT_GT(changed, 20) << "P" << i + 1 << " and P" << i + 2 << " look alike";
    }
}

// Mean colour difference between the drawn pixels of two sprites of one size.
double SpriteDifference(const char* a, const char* b) {
    const Picture first(a);
    const Picture second(b);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < first.Height(); ++y) {
        for (int x = 0; x < first.Width(); ++x) {
            const bool drawnA = first.Drawn(x, y);
            const bool drawnB = second.Drawn(x, y);
            if (drawnA || drawnB) {
                sum += drawnA && drawnB ? Distance(first.At(x, y), second.At(x, y)) : 255;
                ++count;
            }
        }
    }
    return count ? sum / count : 0;
}

// Mean brightness of a sprite's drawn pixels.
double SpriteLuma(const char* path) {
    const Picture picture(path);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.Drawn(x, y)) {
                sum += picture.At(x, y).Luma();
                ++count;
            }
        }
    }
    return count ? sum / count : 0;
}

TEST(AssetAnimation, PairsDifferVisibly) {
    TestScreen screen;
    const char* pairs[][2] = {
        {"Images/Ennemis/Piaf/Piaf.png", "Images/Ennemis/Piaf/Piaf1.png"},
        {"Images/Ennemis/AirBlade/Air_Blade.png", "Images/Ennemis/AirBlade/Air_Blade1.png"},
        {"Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo.png",
         "Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1.png"},
        {"Images/Ennemis/Missile/Missile.png", "Images/Ennemis/Missile/Missile1.png"},
        {"Images/Ennemis/DarkMetroid/DarkMetroid.png",
         "Images/Ennemis/DarkMetroid/DarkMetroid1.png"},
        {"Images/Ennemis/RadioZonde/RadioZonde.png", "Images/Ennemis/RadioZonde/RadioZonde1.png"},
        {"Images/Ennemis/Metroid/Metroid.png", "Images/Ennemis/Metroid/Metroid1.png"},
        {"Images/Ennemis/Fee/Fee1.png", "Images/Ennemis/Fee/Fee2.png"},
        {"Images/Ennemis/Xantum/Xantum.png", "Images/Ennemis/Xantum/Xantum1.png"},
        {"Images/Tirs/Tir0_Bleu_Ennemi.png", "Images/Tirs/Tir0a_Bleu_Ennemi.png"},
        {"Images/Tirs/Tir1_Glace_Ennemi.bmp", "Images/Tirs/Tir1a_Glace_Ennemi.bmp"},
        {"Images/Heros/Corvanel.png", "Images/Heros/Corvanel_Gauche.png"},
        {"Images/Heros/Corvanel.png", "Images/Heros/Corvanel_Droite.png"},
    };
    for (const auto& pair : pairs) {
        EXPECT_GT(SpriteDifference(pair[0], pair[1]), 3.0) << pair[0] << " / " << pair[1];
    }
}

TEST(AssetAnimation, ShipHitLookIsClearlyDifferent) {
    TestScreen screen;
    const char* pairs[][2] = {
        {"Images/Heros/Corvanel.png", "Images/Heros/Corvanel_Touche.png"},
        {"Images/Heros/Corvanel_Gauche.png", "Images/Heros/Corvanel_Touche_Gauche.png"},
        {"Images/Heros/Corvanel_Droite.png", "Images/Heros/Corvanel_Touche_Droite.png"},
    };
    for (const auto& pair : pairs) {
        EXPECT_GT(SpriteDifference(pair[0], pair[1]), 60.0) << pair[1];
    }
}

TEST(AssetAnimation, EnemyFlashImagesAreBrighter) {
    TestScreen screen;
    const char* pairs[][2] = {
        {"Images/Ennemis/AirBlade/Air_Blade.png", "Images/Ennemis/AirBlade/Air_Blade_Touche.png"},
        {"Images/Ennemis/AirBlade/Air_Blade1.png", "Images/Ennemis/AirBlade/Air_Blade_Touche1.png"},
        {"Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo.png",
         "Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo_Flash.png"},
        {"Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1.png",
         "Images/Ennemis/DarkAvionDuo/Dark_Avion_Duo1_Flash.png"},
        {"Images/Ennemis/RadioZonde/RadioZonde.png",
         "Images/Ennemis/RadioZonde/RadioZonde_Flash.png"},
        {"Images/Ennemis/Metroid/Metroid.png", "Images/Ennemis/Metroid/Metroid_Touche.png"},
        {"Images/Ennemis/Metroid/Metroid1.png", "Images/Ennemis/Metroid/Metroid1_Touche.png"},
        {"Images/Ennemis/Fee/Fee1.png", "Images/Ennemis/Fee/Fee1_Flash.png"},
        {"Images/Ennemis/Fee/Fee2.png", "Images/Ennemis/Fee/Fee2_Flash.png"},
        {"Images/Ennemis/Xantum/Xantum.png", "Images/Ennemis/Xantum/Xantum_Flash.png"},
    };
    for (const auto& pair : pairs) {
        EXPECT_GT(SpriteLuma(pair[1]), SpriteLuma(pair[0]) + 20) << pair[1];
    }
}

TEST(AssetSummaryPicture, RankAreaIsPlainAndDark) {
    TestScreen screen;
    const Picture summary(assetcontract::SummaryPath);
    const Colour first = summary.At(assetcontract::RankTextX, assetcontract::RankTextY);
    for (int y = 0; y < assetcontract::RankAreaHeight; ++y) {
        for (int x = 0; x < assetcontract::RankAreaWidth; ++x) {
            const Colour c = summary.At(assetcontract::RankTextX + x, assetcontract::RankTextY + y);
            ASSERT_LE(Distance(c, first), 24) << "busy at " << x << ", " << y;
            ASSERT_LT(c.Luma(), 80);
        }
    }
}

}  // namespace
