// SPDX-License-Identifier: MIT
// Pictures that are missing, empty, cut short or of another format: the game
// stops with a message naming the picture's path and a non-zero exit code,
// before it shows anything, and never crashes. Only the font strip of the
// victory screen is optional: without it the summary shows without its rank.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "gfx/BitmapFont.h"
#include "gfx/LiveCount.h"
#include "tests/BadFilesTree.h"
#include "tools/sim/Simulation.h"

namespace {

// 29 bytes that SDL_image, reading a .png path, takes for a BMP of 13810 x
// 24886 pixels: 1.4 GB once converted to the display format. Found by the
// image-file fuzz target.
const unsigned char TinyBmpOfAHugePicture[] = {
    0x42, 0x4d, 0x46, 0x55, 0x00, 0x00, 0x42, 0x4d, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0xf2, 0x35, 0x00, 0x00, 0x36, 0x61, 0x00, 0x00, 0x00, 0x2e, 0x02};

// 76 bytes that SDL_image takes for a BMP of one bit per pixel and returns
// without a palette; converting it to the display format followed the
// missing palette and crashed. Found by the image-file fuzz target.
const unsigned char PaletteIndicesWithoutPalette[] = {
    0x42, 0x4d, 0x46, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x0d, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x08, 0x8e, 0x04,
    0x00, 0x00, 0x00, 0xb5, 0x1c, 0x0c, 0x02, 0x00, 0x00, 0x00, 0x0b, 0x49, 0x44, 0x4e, 0x44, 0xae,
    0x42, 0x01, 0x08, 0x8e, 0x04, 0x00, 0x00, 0x00, 0xb5, 0x1c, 0x0c, 0x02, 0x00, 0x00, 0x00, 0x0b,
    0x49, 0x44, 0x4e, 0x44, 0xae, 0x42, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00};

// 54 bytes that SDL_image takes for a BMP of 82 x -2147483648 pixels, the
// rows of a top-down picture counted past the end of int; drawing it read
// far outside its pixels. Found by the image-file fuzz target.
const unsigned char BmpOfNegativeHeight[] = {
    0x42, 0x4d, 0x46, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x26, 0x0d, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xff, 0x08,
    0x04, 0x00, 0x00, 0x00, 0xb5, 0x1c, 0x0c, 0x02, 0x00, 0x00, 0x00, 0x20, 0x20, 0x20,
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00};

// Runs a play-through from the damaged tree for a few frames: the loading of
// every picture of play, PNG and BMP alike.
void PlayBriefly(const BadFilesTree& tree) {
    WorkingFolder in(tree.Path());
    SimOptions options;
    options.maxFrames = 3;
    Simulation(options).Run();
}

// Expects that play from the tree stops with exit code 1 and the message
// that names the picture, quoted as the game reads it, then gives why.
void ExpectPlayStopsNaming(const BadFilesTree& tree, const std::string& file,
                           const std::string& why = "") {
    std::string pattern = "\"\\./";
    for (char character : file) {
        pattern += character == '.' ? std::string("\\.") : std::string(1, character);
    }
    EXPECT_EXIT(PlayBriefly(tree), testing::ExitedWithCode(1), pattern + "\"" + why);
}

// Plays from a tree in which one picture holds the given bytes, expecting
// the stop that names it.
void ExpectPlayStopsOnBytes(const std::string& file, const std::string& bytes,
                            const std::string& why) {
    BadFilesTree tree;
    tree.Write(file, bytes);
    EXPECT_EQ(ReadImage(tree.PathOf(file).c_str()), nullptr);
    ExpectPlayStopsNaming(tree, file, why);
}

// The reason the stop gives for each damage, in EveryDamage's order.
const char* const Reasons[] = {"No such file or directory", "the file is empty",
                               "the file is cut short",     "the file holds no (PNG or )?BMP",
                               "not a regular file",        "not a regular file"};

// Every damage to one picture of play stops it, naming the picture and why.
void ExpectEveryDamageStopsPlay(const std::string& file) {
    for (Damage damage : EveryDamage) {
        BadFilesTree tree;
        DamageFile(tree, file, damage);
        SCOPED_TRACE(DamageName(damage));
        ExpectPlayStopsNaming(tree, file, std::string(": ") + Reasons[static_cast<int>(damage)]);
    }
}

// Shows the victory screens with the pictures of the damaged tree: the
// pixels of the summary's rank area that differ from the plain picture.
int RankPixelsFrom(const BadFilesTree& tree) {
    WorkingFolder in(tree.Path());
    TestScreen display;
    VirtualPlatform clock(0);
    clock.Install();
    return RankPixelsShown(display.screen, clock, 2500);
}

}  // namespace

TEST(BadFiles, ADamagedTitlePictureStopsTheRealGameNamingItsPath) {
    for (Damage damage : EveryDamage) {
        BadFilesTree tree;
        DamageFile(tree, "Images/Panorama/Titre.png", damage);
        const CommandResult run =
            RunGameIn(tree.Path(), "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy");
        EXPECT_EQ(run.exitCode, 1) << DamageName(damage) << ": " << run.err;
        EXPECT_TRUE(testing::internal::RE::PartialMatch(
            run.err, std::string("\"\\./Images/Panorama/Titre\\.png\": ") +
                         Reasons[static_cast<int>(damage)]))
            << DamageName(damage) << ": " << run.err;
        EXPECT_EQ(run.out, "") << DamageName(damage);  // standard output stays clean
    }
}

TEST(BadFiles, ADamagedSpriteStopsThePlayThroughNamingItsPath) {
    ExpectEveryDamageStopsPlay("Images/Heros/Corvanel_Gauche.png");
}

TEST(BadFiles, ADamagedBitmapShotStopsThePlayThroughNamingItsPath) {
    ExpectEveryDamageStopsPlay("Images/Tirs/Tir1_Glace_Ennemi.bmp");
}

TEST(BadFiles, AFewBytesClaimingAHugePictureStopThePlayThroughNamingTheirPath) {
    ExpectPlayStopsOnBytes("Images/Heros/Corvanel_Gauche.png", BytesOf(TinyBmpOfAHugePicture),
                           ": the file is cut short");
    // Refused from the header, before the decoder asks for 1.6 GB.
    ExpectPlayStopsOnBytes("Images/Heros/Corvanel_Gauche.png", PngClaiming(20000, 20000),
                           ": a picture of 20000 x 20000 pixels is none");
}

TEST(BadFiles, AnUnreadablePictureStopsThePlayThroughSayingWhy) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    BadFilesTree tree;
    tree.Write("Images/Heros/Corvanel_Gauche.png", "");
    chmod(tree.PathOf("Images/Heros/Corvanel_Gauche.png").c_str(), 0);
    ExpectPlayStopsNaming(tree, "Images/Heros/Corvanel_Gauche.png", ": Permission denied");
}

TEST(BadFiles, APictureOfNegativeHeightStopsInsteadOfCrashing) {
    ExpectPlayStopsOnBytes("Images/Heros/Corvanel_Gauche.png", BytesOf(BmpOfNegativeHeight),
                           ": a picture of 82 x -2147483648");
}

TEST(BadFiles, APictureOfPaletteIndicesWithoutAPaletteStopsInsteadOfCrashing) {
    ExpectPlayStopsOnBytes("Images/Heros/Corvanel_Gauche.png",
                           BytesOf(PaletteIndicesWithoutPalette), ": a picture of palette indices");
    // As the font strip it leaves the summary without its rank.
    BadFilesTree font;
    font.Write("Images/Font/font03.png", BytesOf(PaletteIndicesWithoutPalette));
    EXPECT_EQ(RankPixelsFrom(font), 0);
}

TEST(BadFiles, ADamagedFontStripLeavesTheSummaryWithoutItsRank) {
    for (Damage damage : EveryDamage) {
        BadFilesTree tree;
        DamageFile(tree, "Images/Font/font03.png", damage);
        const int fontsBefore = LiveCount::Of(Held::Font);
        EXPECT_EQ(RankPixelsFrom(tree), 0) << DamageName(damage);
        EXPECT_EQ(LiveCount::Of(Held::Font), fontsBefore) << DamageName(damage);
    }
}

// A strip of 16000 x 16000 pixels once cost 768 MB at the summary screen.
TEST(BadFiles, AHugeFontStripIsRefusedBeforeItCostsMemory) {
    BadFilesTree tree;
    tree.Write("Images/Font/font03.png", PngClaiming(16000, 16000));
    EXPECT_EXIT(
        {
            rusage before = {};
            rusage after = {};
            getrusage(RUSAGE_SELF, &before);
            BitmapFont* font = BitmapFont::FromFile(tree.PathOf("Images/Font/font03.png").c_str());
            getrusage(RUSAGE_SELF, &after);
            std::exit(!font && after.ru_maxrss - before.ru_maxrss < 100 * 1024 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// A strip whose top row is all one colour is a font without glyphs (the
// font's own tests measure it): the summary shows without its rank.
TEST(BadFiles, AFontStripWithoutGlyphsLeavesTheSummaryWithoutItsRank) {
    BadFilesTree tree;
    tree.Remove("Images/Font/font03.png");
    SurfacePtr strip = NewSurface(20, 8, 0xFF00FF);
    ASSERT_EQ(SDL_SaveBMP(strip.get(), tree.PathOf("Images/Font/font03.png").c_str()), 0);
    EXPECT_EQ(RankPixelsFrom(tree), 0);
}
