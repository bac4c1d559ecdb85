// SPDX-License-Identifier: MIT
// A file swapped for another between the look at it and its decoding: what
// was looked at is what is decoded, so a FIFO or a crashing sound swapped in
// meanwhile changes nothing.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "gfx/Image.h"
#include "gfx/Sound.h"
#include "platform/GameFile.h"
#include "tests/BadFilesTree.h"

namespace {

using namespace std::string_literals;

// What the swap puts in the file's place.
std::string swapIn;

void Swap(const char* path) {
    std::filesystem::remove(path);
    if (swapIn == "folder") {
        std::filesystem::create_directory(path);
    } else if (swapIn == "fifo") {
        mkfifo(path, 0600);
    } else {
        std::FILE* file = std::fopen(path, "wb");
        std::fwrite(swapIn.data(), 1, swapIn.size(), file);
        std::fclose(file);
    }
}

// The seeds of the sound fuzz target.
const std::string Corpus = std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) +
                           "/../tools/fuzz/corpus/sound-file/";

}  // namespace

TEST(BadFiles, AFileSwappedBeforeItsDecodingIsDecodedAsLookedAt) {
    BadFilesTree tree;
    const std::string picture = tree.PathOf("Images/Heros/Corvanel.png");
    const std::string bitmap = tree.PathOf("Images/Tirs/Tir1_Glace_Ennemi.bmp");
    const std::string sound = tree.PathOf("Sound/Shot1.wav");
    const std::string track = tree.PathOf("Sound/Boss.ogg");
    EXPECT_EXIT(
        {
            TestScreen display;
            GameFile::handingOver = Swap;
            int decoded = 0;
            // A block size of 0 divided by zero in SDL's ADPCM decoder; a
            // FIFO without a writer held the game for ever.
            for (const std::string& swap :
                 {"folder"s, ReadFileBytes(Corpus + "ms-adpcm-block-0.wav"), "fifo"s}) {
                swapIn = swap;
                for (const std::string& path : {picture, bitmap}) {
                    tree.Write(path.substr(tree.Path().size() + 1),
                               ReadFileBytes(DataPath(path.substr(tree.Path().size() + 1))));
                    SurfacePtr read(ReadImage(path.c_str()));
                    decoded += read != nullptr;
                }
                tree.Write("Sound/Shot1.wav", ReadFileBytes(DataPath("Sound/Shot1.wav")));
                decoded += LoadSound(sound.c_str()) != nullptr;
                tree.Write("Sound/Boss.ogg", ReadFileBytes(DataPath("Sound/Boss.ogg")));
                decoded += LoadMusic(track.c_str()) != nullptr;
            }
            std::exit(display.audioOpen && decoded == 12 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
