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
#include "platform/PictureFile.h"
#include "simulation/Simulation.h"
#include "tests/BadFilesTree.h"

namespace {

using namespace std::string_literals;

// 29 bytes that SDL_image, reading a .png path, takes for a BMP of 13810 x
// 24886 pixels: 1.4 GB once converted to the display format. Found by the
// image-file fuzz target, as are the next two.
const std::string TinyBmpOfAHugePicture =
    "BMFU\0\0BMF\0\0\0\0\0\0\0\0\0\xf2\x35\0\0\x36\x61\0\0\0\x2e\x02"s;

// 76 bytes of a BMP that claims 2049 bits per pixel, which SDL's one-byte
// depth makes one bit: a picture without the palette it then needs;
// converting it to the display format followed the missing palette and
// crashed.
const std::string PaletteIndicesWithoutPalette =
    "BMF\0\0\0\x20\0\0\0\x0d\0\0\0\0\0HDR\0\0\0\x01\0\0\0\0\0\x01\x08\x8e\x04\0\0\0\xb5\x1c\x0c"
    "\x02\0\0\0\x0bIDND\xae\x42\x01\x08\x8e\x04\0\0\0\xb5\x1c\x0c\x02\0\0\0\x0bIDND\xae\x42\0\0\0"
    "\x02\0\0"s;

// 54 bytes that SDL_image takes for a BMP of 82 x -2147483648 pixels, the
// rows of a top-down picture counted past the end of int; drawing it read
// far outside its pixels.
const std::string BmpOfNegativeHeight =
    "BMF\0\0\0\x20\0\0\x26\x0d\0\0\0\0\0HDR\0\0\0\0\0\0\x80\xff\x08\x04\0\0\0\xb5\x1c\x0c\x02\0\0"
    "\0\x20\x20\x20\x20\x20\x20\x20\x20\x20\0\0\0\x02\0\0"s;

// 54 bytes of a BMP that claims 2848 bits per pixel; SDL made a surface of
// that depth and read far outside it converting it for the display.
const std::string BmpOfAnImpossibleDepth =
    "BM\xa6\0\xff\xff\x43\xff\xff\xff\xff\x45\x58\0\x28\0\0\0\0\x0e\0\0\0\x06\0\0\0\0\x20\x0b\0"
    "\x80\x60\0\0\x47\x0d\0\0\0\0\0IEND\x02\x02\xae\x42\x60\0\x2f\x02"s;

const std::string Sprite = "Images/Heros/Corvanel_Gauche.png";
const std::string Font = "Images/Font/font03.png";

// The reason the stop gives for each damage, in EveryDamage's order.
const char* const Reasons[] = {"No such file or directory", "the file is empty",
                               "the file is cut short",     "the file holds no (PNG or )?BMP",
                               "not a regular file",        "not a regular file"};

// Expects that a play-through from the tree, loading every picture of play,
// PNG and BMP alike, stops with exit code 1 and the message that names the
// picture, quoted as the game reads it, then gives why.
void ExpectPlayStopsNaming(const BadFilesTree& tree, const std::string& file,
                           const std::string& why) {
    const auto playBriefly = [&] {
        WorkingFolder in(tree.Path());
        SimOptions options;
        options.maxFrames = 3;
        Simulation(options).Run();
    };
    EXPECT_EXIT(playBriefly(), testing::ExitedWithCode(1), "\"\\./" + file + "\": " + why);
}

}  // namespace

TEST(BadFiles, ADamagedTitlePictureStopsTheRealGameNamingItsPath) {
    for (Damage damage : EveryDamage) {
        SCOPED_TRACE(DamageName(damage));
        BadFilesTree tree;
        DamageFile(tree, "Images/Panorama/Titre.png", damage);
        const CommandResult run =
            RunGameIn(tree.Path(), "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(testing::internal::RE::PartialMatch(
            run.err, "\"\\./Images/Panorama/Titre.png\": "s + Reasons[static_cast<int>(damage)]))
            << run.err;
        EXPECT_EQ(run.out, "");  // standard output stays clean
    }
}

// Every damage to a sprite or a bitmap shot, and a few bytes that decoders
// once took for huge, inside-out or palette-less pictures, stop play, naming
// the picture and why, as does one it may not read (root reads every file,
// and finds it empty). A huge PNG is refused from its header, before the
// decoder asks for 1.6 GB.
TEST(BadFiles, ADamagedPictureStopsThePlayThroughNamingItsPathAndWhy) {
    for (const std::string& file : {Sprite, "Images/Tirs/Tir1_Glace_Ennemi.bmp"s}) {
        for (Damage damage : EveryDamage) {
            BadFilesTree tree;
            DamageFile(tree, file, damage);
            SCOPED_TRACE(file + ": " + DamageName(damage));
            ExpectPlayStopsNaming(tree, file, Reasons[static_cast<int>(damage)]);
        }
    }
    const struct {
        std::string bytes;
        const char* why;
        mode_t mode = 0600;
    } contents[] = {{TinyBmpOfAHugePicture, "the file is cut short"},
                    {PngClaiming(20000, 20000), "a picture of 20000 x 20000 pixels is none"},
                    {BmpOfNegativeHeight, "a picture of 82 x -2147483648"},
                    {BmpOfAnImpossibleDepth, "a BMP picture of 2848 bits per pixel"},
                    {PaletteIndicesWithoutPalette, "a BMP picture of 2049 bits per pixel"},
                    {"", geteuid() == 0 ? "the file is empty" : "Permission denied", 0}};
    for (const auto& content : contents) {
        BadFilesTree tree;
        tree.Write(Sprite, content.bytes);
        chmod(tree.PathOf(Sprite).c_str(), content.mode);
        ExpectPlayStopsNaming(tree, Sprite, content.why);
    }
}

// Every damage to the font strip, a strip of palette indices and one whose
// top row is all one colour (a font without glyphs, as the font's own tests
// measure it) leave the summary without its rank, and no font held.
TEST(BadFiles, ADamagedFontStripLeavesTheSummaryWithoutItsRank) {
    for (int damage = 0; damage < 8; ++damage) {
        BadFilesTree tree;
        if (damage < 6) {
            DamageFile(tree, Font, EveryDamage[damage]);
        } else if (damage == 6) {
            tree.Write(Font, PaletteIndicesWithoutPalette);
        } else {
            tree.Remove(Font);
            SDL_SaveBMP(NewSurface(20, 8, 0xFF00FF).get(), tree.PathOf(Font).c_str());
        }
        WorkingFolder in(tree.Path());
        TestScreen display;
        VirtualPlatform clock(0);
        clock.Install();
        const int fontsBefore = LiveCount::Of(Held::Font);
        EXPECT_EQ(RankPixelsShown(display.screen, clock, 2500), 0) << "damage " << damage;
        EXPECT_EQ(LiveCount::Of(Held::Font), fontsBefore) << "damage " << damage;
    }
}

// A strip of 16000 x 16000 pixels once cost 768 MB at the summary screen.
TEST(BadFiles, AHugeFontStripIsRefusedBeforeItCostsMemory) {
    BadFilesTree tree;
    tree.Write(Font, PngClaiming(16000, 16000));
    EXPECT_EXIT(
        {
            rusage before = {};
            rusage after = {};
            getrusage(RUSAGE_SELF, &before);
            BitmapFont* font = BitmapFont::FromFile(tree.PathOf(Font).c_str());
            getrusage(RUSAGE_SELF, &after);
            std::exit(!font && after.ru_maxrss - before.ru_maxrss < 100 * 1024 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// SDL_image draws a PNG that lacks only its closing IEND chunk as it draws
// the whole file.
TEST(BadFiles, APngWithoutItsClosingChunkLoadsWhole) {
    const std::string whole = ReadFileBytes(DataPath(Sprite));
    ASSERT_EQ(whole.substr(whole.size() - 8, 4), "IEND");
    BadFilesTree tree;
    tree.Write(Sprite, whole.substr(0, whole.size() - 12));
    SurfacePtr read(ReadImage(tree.PathOf(Sprite).c_str()));
    SurfacePtr original(ReadImage(DataPath(Sprite).c_str()));
    ASSERT_NE(read, nullptr) << SDL_GetError();
    EXPECT_TRUE(SamePixels(read.get(), original.get()));
}

// A font strip longer than 4096 pixels is still a few hundred KiB: the
// summary keeps its rank line.
TEST(BadFiles, ALongFontStripKeepsTheRank) {
    BadFilesTree tree;
    SurfacePtr font(ReadImage(DataPath(Font).c_str()));
    ASSERT_NE(font, nullptr);
    SurfacePtr strip = NewSurface(4200, 30);
    SDL_Surface* converted = SDL_ConvertSurface(font.get(), strip->format, 0);
    SDL_BlitSurface(converted, nullptr, strip.get(), nullptr);
    SDL_FreeSurface(converted);
    // The top row beyond the glyphs is all marker: no more glyphs.
    const Uint32 marker = reinterpret_cast<Uint32*>(strip->pixels)[0];
    for (int x = font->w; x < strip->w; ++x) {
        reinterpret_cast<Uint32*>(strip->pixels)[x] = marker;
    }
    tree.Remove(Font);
    ASSERT_EQ(SDL_SaveBMP(strip.get(), tree.PathOf(Font).c_str()), 0);
    WorkingFolder in(tree.Path());
    TestScreen display;
    VirtualPlatform clock(0);
    clock.Install();
    EXPECT_GT(RankPixelsShown(display.screen, clock, 2500), 0);
}

namespace {

void PutNumber(std::string& bytes, size_t at, Uint32 value, bool bigEndian) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (bigEndian ? 24 - 8 * i : 8 * i));
    }
}

// A PNG's signature and header chunk alone, of that size.
std::string PngHeader(Uint32 width, Uint32 height) {
    std::string png = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"s + std::string(8, '\0') +
                      "\x08\x06\0\0\0"s + std::string(4, '\0');
    PutNumber(png, 16, width, true);
    PutNumber(png, 20, height, true);
    return png;
}

// A 24-bit BMP's file and info headers alone, of that size.
std::string BmpHeader(Uint32 width, Sint32 height) {
    std::string bmp = "BM"s + std::string(52, '\0');
    PutNumber(bmp, 10, 54, false);
    PutNumber(bmp, 14, 40, false);
    PutNumber(bmp, 18, width, false);
    PutNumber(bmp, 22, static_cast<Uint32>(height), false);
    bmp[26] = 1;
    bmp[28] = 24;
    return bmp;
}

}  // namespace

// Each bound of a picture's size at its edge and one past it, for the width
// and the height apart, in both formats: a side of 16383 pixels, and
// 4096 x 4096 pixels in all (a long strip included).
TEST(BadFiles, EachPictureBoundHoldsAtItsEdge) {
    const struct {
        Uint32 width, height;
        bool fits;
    } sizes[] = {{1, 1, true},        {0, 1, false},       {1, 0, false},
                 {16383, 1, true},    {16384, 1, false},   {1, 16383, true},
                 {1, 16384, false},   {4096, 4096, true},  {4097, 4096, false},
                 {4096, 4097, false}, {16383, 1024, true}, {16383, 1025, false},
                 {1024, 16383, true}, {1025, 16383, false}};
    for (const auto& size : sizes) {
        for (bool bottomUp : {true, false}) {
            const Sint32 height = static_cast<Sint32>(size.height) * (bottomUp ? 1 : -1);
            for (const std::string& header :
                 {PngHeader(size.width, size.height), BmpHeader(size.width, height)}) {
                bool endsEarly = false;
                const auto* bytes = reinterpret_cast<const Uint8*>(header.data());
                EXPECT_EQ(CheckPicture(bytes, header.size(), false, &endsEarly), size.fits)
                    << header.substr(0, 2) << " " << size.width << " x " << height;
            }
        }
    }
}
