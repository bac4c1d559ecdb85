// SPDX-License-Identifier: MIT
// Sounds that are missing, empty, cut short, of another format, or in a
// format the mixer cannot bring to the device's rate: each stays silent and
// play goes on. The music hands over to the following track when the
// opening one cannot be played.
#include <SDL_mixer.h>

#include <string>

#include "gfx/LiveCount.h"
#include "gfx/Sound.h"
#include "tests/BadFilesTree.h"
#include "tools/assetgen/AssetContract.h"
#include "tools/sim/Pilots.h"
#include "tools/sim/Simulation.h"

namespace {

// A 68-byte WAV whose rate reads as 1,140,872,738 Hz: the mixer's converter
// ran off the end of its table of steps and jumped into the weeds. Found by
// the sound-file fuzz target.
const unsigned char WavAtAGigahertz[] = {
    0x52, 0x49, 0x46, 0x46, 0x3c, 0x00, 0x00, 0x00, 0x57, 0x41, 0x56, 0x45, 0x66, 0x6d,
    0x74, 0x20, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x22, 0x56, 0x00, 0x44,
    0x88, 0x58, 0x01, 0x00, 0x04, 0x00, 0x10, 0x00, 0x64, 0x61, 0x74, 0x61, 0x18, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xe0, 0x2e, 0x20, 0xd1, 0xc0, 0x5d, 0x40, 0xa2,
    0xe0, 0x2e, 0x20, 0xd1, 0x00, 0x00, 0x00, 0x00, 0x20, 0xd1, 0xe0, 0x2e};

// A 68-byte WAV whose chunk claims almost 4 GB: SDL asks for that much
// memory before it finds the file short. Found by the same target.
const unsigned char WavClaimingFourGigabytes[] = {
    0x52, 0x49, 0x46, 0x46, 0x3c, 0x00, 0x00, 0x00, 0x57, 0x41, 0x56, 0x45, 0x66, 0x6d,
    0x74, 0x20, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x22, 0x56, 0x00, 0x00,
    0x88, 0x58, 0x01, 0x00, 0x04, 0x00, 0x10, 0x00, 0x64, 0x9f, 0x8b, 0x9e, 0xe7, 0xff,
    0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0xe0, 0x2e, 0x20, 0xd1, 0xc0, 0x5d, 0x40, 0xa2,
    0xe0, 0x2e, 0x20, 0xd1, 0x00, 0x00, 0x00, 0x00, 0x20, 0xd1, 0xe0, 0x2e};

// The CRC of an Ogg page: polynomial 0x04C11DB7, most significant bit
// first, no reflection, computed with the CRC field itself zeroed.
Uint32 OggCrc(const std::string& page) {
    Uint32 crc = 0;
    for (unsigned char byte : page) {
        crc ^= static_cast<Uint32>(byte) << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
    }
    return crc;
}

void PutLittleEndian(std::string& bytes, size_t at, Uint32 value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// An Ogg Vorbis file with the rate of its identification header replaced,
// its first page's CRC made right again so that the decoder accepts it.
std::string WithVorbisRate(std::string ogg, Uint32 rate) {
    const size_t segments = static_cast<unsigned char>(ogg[26]);
    size_t pageSize = 27 + segments;
    for (size_t i = 0; i < segments; ++i) {
        pageSize += static_cast<unsigned char>(ogg[27 + i]);
    }
    PutLittleEndian(ogg, 27 + segments + 12, rate);
    PutLittleEndian(ogg, 22, 0);
    PutLittleEndian(ogg, 22, OggCrc(ogg.substr(0, pageSize)));
    return ogg;
}

// A seed of the sound fuzz target: ADPCM WAVs, a Microsoft mono one and an
// IMA stereo one, of blocks of 64 bytes.
std::string Seed(const std::string& name) {
    const std::string here = __FILE__;
    return ReadFileBytes(here.substr(0, here.rfind('/')) + "/../tools/fuzz/corpus/sound-file/" +
                         name);
}

// Plays from the damaged tree with fire held, sweeping, for the given number
// of frames; notes the most sounds alive and whether music played.
struct SilentPlay {
    PlayEnding ending = PlayEnding::GameOver;
    int chunksAlive = 0;
    bool musicPlayed = false;
};
SilentPlay PlayFrom(const BadFilesTree& tree, int frames) {
    WorkingFolder in(tree.Path());
    const int chunksBefore = LiveCount::Of(Held::Chunk);
    SilentPlay play;
    SimOptions options;
    options.pilot = MakePilot("fire");
    options.maxFrames = frames;
    options.onFrame = [&](const PlayView&) {
        play.chunksAlive = std::max(play.chunksAlive, LiveCount::Of(Held::Chunk) - chunksBefore);
        play.musicPlayed = play.musicPlayed || Mix_PlayingMusic();
    };
    play.ending = Simulation(options).Run().plays.at(0).ending;
    return play;
}

}  // namespace

TEST(BadFiles, AWavFarFromAnyPlayableRateStaysSilentInsteadOfCrashing) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    tree.Write("Sound/Shot1.wav", BytesOf(WavAtAGigahertz));
    tree.Write("Sound/Shot4.wav", BytesOf(WavClaimingFourGigabytes));
    EXPECT_EQ(LoadSound(tree.PathOf("Sound/Shot1.wav").c_str()), nullptr);
    EXPECT_EQ(LoadSound(tree.PathOf("Sound/Shot4.wav").c_str()), nullptr);
}

// SDL decoded ADPCM with whatever its header said: a block-align of 0
// divided by zero, a block too short for its samples or more than two
// channels ran past the decoder's buffers.
TEST(BadFiles, AnAdpcmWavWithADamagedHeaderStaysSilentInsteadOfCrashing) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    const std::string path = tree.PathOf("Sound/Shot1.wav");
    // One 16-bit field of the "fmt " chunk changed: the channels at byte 22,
    // the block size at 32, the bits a sample at 34, the samples a block at 38.
    const struct {
        const char* seed;
        int at;
        int value;
    } damages[] = {{"ms-adpcm.wav", 0, 'R'},  {"ima-adpcm-stereo.wav", 0, 'R'},
                   {"ms-adpcm.wav", 32, 0},   {"ima-adpcm-stereo.wav", 32, 0},
                   {"ms-adpcm.wav", 38, 117}, {"ima-adpcm-stereo.wav", 38, 65},
                   {"ms-adpcm.wav", 38, 1},   {"ima-adpcm-stereo.wav", 38, 56},
                   {"ms-adpcm.wav", 22, 3},   {"ima-adpcm-stereo.wav", 22, 4},
                   {"ms-adpcm.wav", 34, 8},   {"ms-adpcm.wav", 22, 2}};
    for (const auto& damage : damages) {
        std::string bytes = Seed(damage.seed);
        ASSERT_GT(bytes.size(), 40u);
        bytes[damage.at] = static_cast<char>(damage.value);
        bytes[damage.at + 1] = damage.at == 0 ? 'I' : static_cast<char>(damage.value >> 8);
        tree.Write("Sound/Shot1.wav", bytes);
        const bool intact = damage.at == 0;  // the first two change nothing
        EXPECT_EQ(LoadSound(path.c_str()) != nullptr, intact) << damage.seed << " " << damage.at;
    }
}

TEST(BadFiles, MusicFarFromAnyPlayableRateStaysSilentInsteadOfCrashingAsItPlays) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    const std::string track = ReadFileBytes(DataPath("Sound/Boss.ogg"));
    for (Uint32 rate : {0u, 50u, 1000000000u}) {
        tree.Write("Sound/Boss.ogg", WithVorbisRate(track, rate));
        EXPECT_EQ(LoadMusic(tree.PathOf("Sound/Boss.ogg").c_str()), nullptr) << rate;
        // Nor as a later part of a chained file, as `cat a.ogg b.ogg` makes.
        tree.Write("Sound/Boss.ogg", track + WithVorbisRate(track, rate));
        EXPECT_EQ(LoadMusic(tree.PathOf("Sound/Boss.ogg").c_str()), nullptr) << "chained " << rate;
    }
    // The same file at a rate the mixer converts plays as before.
    tree.Write("Sound/Boss.ogg", WithVorbisRate(track, 22050));
    EXPECT_NE(LoadMusic(tree.PathOf("Sound/Boss.ogg").c_str()), nullptr);
}

TEST(BadFiles, PlayGoesOnInSilenceWhenEverySoundIsDamaged) {
    BadFilesTree tree;
    // Every damage on an effect; a folder and a FIFO in place of the tracks
    // (a track cut short still plays its first half).
    size_t next = 2;
    for (const assetcontract::SoundAsset& sound : assetcontract::Sounds) {
        DamageFile(tree, sound.path, EveryDamage[next++ % std::size(EveryDamage)]);
    }
    const SilentPlay play = PlayFrom(tree, 400);
    EXPECT_EQ(play.ending, PlayEnding::Quit);
    EXPECT_EQ(play.chunksAlive, 0);
    EXPECT_FALSE(play.musicPlayed);
}

TEST(BadFiles, AMissingOrUnplayableOpeningTrackHandsOverToTheFollowingOne) {
    const std::string opening = "Sound/Good_Bye.ogg";
    for (bool missing : {true, false}) {
        BadFilesTree tree;
        if (missing) {
            tree.Remove(opening);
        } else {
            tree.Write(opening, WithVorbisRate(ReadFileBytes(DataPath(opening)), 1000000000u));
        }
        const SilentPlay play = PlayFrom(tree, 100);
        EXPECT_EQ(play.ending, PlayEnding::Quit) << missing;
        EXPECT_TRUE(play.musicPlayed) << missing;
    }
}
