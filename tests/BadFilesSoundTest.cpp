// SPDX-License-Identifier: MIT
// Sounds that are missing, empty, cut short, of another format, or in a
// format the mixer cannot bring to the device's rate: each stays silent and
// play goes on. The music hands over to the following track when the
// opening one cannot be played.
#include <SDL_mixer.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "assets/AssetContract.h"
#include "gfx/LiveCount.h"
#include "gfx/Sound.h"
#include "platform/SoundFormat.h"
#include "simulation/Pilots.h"
#include "simulation/Simulation.h"
#include "tests/BadFilesTree.h"

namespace {

using namespace std::string_literals;

// A 68-byte WAV whose rate reads as 1,140,872,738 Hz: the mixer's converter
// ran off the end of its table of steps and jumped into the weeds. Found by
// the sound-file fuzz target.
const std::string WavAtAGigahertz =
    "RIFF<\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x22\x56\0\x44\x88\x58\x01\0\x04\0\x10\0"
    "data\x18\0\0\0\0\0\0\0\xe0\x2e\x20\xd1\xc0\x5d\x40\xa2\xe0\x2e\x20\xd1\0\0\0\0\x20\xd1\xe0\x2e"s;

void PutLittleEndian(std::string& bytes, size_t at, Uint32 value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// The same at 22050 Hz, its data chunk claiming almost 4 GB: SDL asked for
// that much memory before it found the file short. Found by the same target.
std::string WavClaimingFourGigabytes() {
    std::string wav = WavAtAGigahertz;
    PutLittleEndian(wav, 24, 22050);
    PutLittleEndian(wav, 36, 0x9e8b9f64);
    PutLittleEndian(wav, 40, 0xffffffe7);
    wav[44] = '\xff';
    return wav;
}

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

// The seeds of the sound fuzz target.
const std::string Corpus = std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) +
                           "/../tools/fuzz/corpus/sound-file/";

}  // namespace

// SDL decoded ADPCM with whatever its header said: a block-align of 0
// divided by zero, a block too short for its samples or more than two
// channels ran past the decoder's buffers. Music at a rate far from any
// playable one crashed the mixer as it played, even as a later part of a
// chained file (as `cat a.ogg b.ogg` makes).
TEST(BadFiles, ASoundWithADamagedHeaderStaysSilentInsteadOfCrashing) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    const std::string wav = tree.PathOf("Sound/Shot1.wav"), ogg = tree.PathOf("Sound/Boss.ogg");
    for (const std::string& bytes : {WavAtAGigahertz, WavClaimingFourGigabytes()}) {
        tree.Write("Sound/Shot1.wav", bytes);
        EXPECT_EQ(LoadSound(wav.c_str()), nullptr);
    }
    // Seeds of ADPCM WAVs, a Microsoft mono one and an IMA stereo one, of
    // blocks of 64 bytes, with one 16-bit field of the "fmt " chunk changed: the channels at byte
    // 22, the block size at 32, the bits a sample at 34, the samples a block at 38; "RI" for "RI"
    // at 0 changes nothing.
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
        std::string bytes = ReadFileBytes(Corpus + damage.seed);
        ASSERT_GT(bytes.size(), 40u);
        bytes[damage.at] = static_cast<char>(damage.value);
        bytes[damage.at + 1] = damage.at == 0 ? 'I' : static_cast<char>(damage.value >> 8);
        tree.Write("Sound/Shot1.wav", bytes);
        EXPECT_EQ(LoadSound(wav.c_str()) != nullptr, damage.at == 0)
            << damage.seed << " " << damage.at;
    }
    const std::string track = ReadFileBytes(DataPath("Sound/Boss.ogg"));
    for (Uint32 rate : {0u, 50u, 1000000000u, 22050u}) {
        for (const std::string& before : {""s, track}) {
            tree.Write("Sound/Boss.ogg", before + WithVorbisRate(track, rate));
            EXPECT_EQ(LoadMusic(ogg.c_str()) != nullptr, rate == 22050u) << rate << before.size();
        }
    }
}

// With every damage on an effect, and a folder and a FIFO in place of the
// tracks (a track cut short still plays its first half), play goes on in
// silence; with only the opening track unplayable, the music hands over to
// the following one and the effects sound.
TEST(BadFiles, PlayGoesOnWithWhicheverSoundsCanPlay) {
    for (bool everySound : {true, false}) {
        SCOPED_TRACE(everySound ? "every sound damaged" : "opening track unplayable");
        BadFilesTree tree;
        size_t next = 2;
        for (const assetcontract::SoundAsset& sound : assetcontract::Sounds) {
            if (everySound) {
                DamageFile(tree, sound.path, EveryDamage[next++ % std::size(EveryDamage)]);
            }
        }
        if (!everySound) {
            tree.Write("Sound/Good_Bye.ogg",
                       WithVorbisRate(ReadFileBytes(DataPath("Sound/Good_Bye.ogg")), 1000000000u));
        }
        WorkingFolder in(tree.Path());
        const int chunksBefore = LiveCount::Of(Held::Chunk);
        int chunksAlive = 0;
        bool musicPlayed = false;
        SimOptions options;
        options.pilot = MakePilot("fire");  // sweeping with fire held
        options.maxFrames = 400;
        options.onFrame = [&](const PlayView&) {
            chunksAlive = std::max(chunksAlive, LiveCount::Of(Held::Chunk) - chunksBefore);
            musicPlayed = musicPlayed || Mix_PlayingMusic();
        };
        EXPECT_EQ(Simulation(options).Run().plays.at(0).ending, PlayEnding::Quit);
        EXPECT_EQ(chunksAlive > 0, !everySound);
        EXPECT_EQ(musicPlayed, !everySound);
    }
}

namespace {

// A WAV of 8-bit mono PCM at the rate, its data chunk claiming `claimed`
// bytes, of which `present` follow (silence).
std::string WavOfSilence(Uint32 rate, Uint32 claimed, Uint32 present) {
    std::string wav = "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"s;
    wav += std::string(4, '\0') + std::string(4, '\0') + "\x01\0\x08\0data"s + std::string(4, '\0');
    PutLittleEndian(wav, 4, 36 + claimed);
    PutLittleEndian(wav, 24, rate);
    PutLittleEndian(wav, 28, rate);
    PutLittleEndian(wav, 40, claimed);
    return wav + std::string(present, '\x80');
}

// The ogg's pages, each as its bytes.
std::vector<std::string> OggPages(const std::string& ogg) {
    std::vector<std::string> pages;
    for (size_t at = 0; at + 27 <= ogg.size();) {
        const size_t segments = static_cast<unsigned char>(ogg[at + 26]);
        size_t size = 27 + segments;
        for (size_t i = 0; i < segments; ++i) {
            size += static_cast<unsigned char>(ogg[at + 27 + i]);
        }
        pages.push_back(ogg.substr(at, size));
        at += size;
    }
    return pages;
}

std::string WithCrc(std::string page) {
    PutLittleEndian(page, 22, 0);
    PutLittleEndian(page, 22, OggCrc(page));
    return page;
}

}  // namespace

// An 8-bit mono WAV at 4000 Hz holding 128 MiB (or 256 MiB at 8000 Hz)
// wrapped the mixer's conversion buffer size to 0 and corrupted the heap;
// one of 8 MiB became a copy of 350 MiB for each of the nine owners of the
// shot sound. Refused from its header, as is one that only claims that much.
TEST(BadFiles, ASoundThatWouldConvertToTooMuchStaysSilent) {
    BadFilesTree tree;
    const std::string wav = tree.PathOf("Sound/Shot1.wav");
    const struct {
        Uint32 rate, claimed, present;
    } sounds[] = {{4000, 128u << 20, 128u << 20},
                  {8000, 256u << 20, 256u << 20},
                  {4000, 8u << 20, 8u << 20},
                  {4000, 128u << 20, 16}};
    const auto loadEach = [&] {
        TestScreen display;
        int loaded = 0;
        for (const auto& sound : sounds) {
            tree.Write("Sound/Shot1.wav", WavOfSilence(sound.rate, sound.claimed, 0));
            // Sparse: the silence costs no disk.
            EXPECT_EQ(truncate(wav.c_str(), 44 + sound.present), 0);
            loaded += LoadSound(wav.c_str()) != nullptr;
        }
        // Ten seconds at the device's own format are no trouble.
        tree.Write("Sound/Shot1.wav", WavOfSilence(44100, 441000, 441000));
        std::exit(display.audioOpen && loaded == 0 && LoadSound(wav.c_str()) ? 0 : loaded + 10);
    };
    EXPECT_EXIT(loadEach(), testing::ExitedWithCode(0), "");
}

// Bytes after the last page, zeros or page headers with wrong checksums,
// made opening the track take quadratic time; a track cut short in its last
// page still plays what it holds.
TEST(BadFiles, MusicWithBytesThatAreNoOggPagesStaysSilent) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    const std::string ogg = tree.PathOf("Sound/Boss.ogg");
    const std::string track = ReadFileBytes(DataPath("Sound/Boss.ogg"));
    std::string fakePages;
    while (fakePages.size() < 65536) {
        fakePages += "OggS\0\0"s + std::string(20, '\x11') + '\0';
    }
    for (const std::string& tail : {std::string(65536, '\0'), fakePages, "junk"s}) {
        tree.Write("Sound/Boss.ogg", track + tail);
        EXPECT_EQ(LoadMusic(ogg.c_str()), nullptr) << tail.substr(0, 4);
    }
    tree.Write("Sound/Boss.ogg", track.substr(0, track.size() - 100));
    EXPECT_NE(LoadMusic(ogg.c_str()), nullptr);
    // The fuzz seed of a track with bytes after its last page, and the
    // track it was made from.
    tree.Write("Sound/Boss.ogg", ReadFileBytes(Corpus + "trailing-junk.ogg"));
    EXPECT_EQ(LoadMusic(ogg.c_str()), nullptr);
    tree.Write("Sound/Boss.ogg", ReadFileBytes(Corpus + "tiny.ogg"));
    EXPECT_NE(LoadMusic(ogg.c_str()), nullptr);
}

// Audio data may hold the bytes of a page that begins a stream; only a page
// whose checksum is right begins one.
TEST(BadFiles, ATrackWhoseAudioLooksLikeAPageStartPlays) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    std::vector<std::string> pages = OggPages(ReadFileBytes(DataPath("Sound/Boss.ogg")));
    ASSERT_GT(pages.size(), 4u);
    std::string& audio = pages[3];
    const size_t body = 27 + static_cast<unsigned char>(audio[26]);
    ASSERT_GT(audio.size(), body + 64);
    audio.replace(body + 20, 28, "OggS\0\x02"s + std::string(20, '\0') + "\x01\x1e");
    std::string bytes;
    for (const std::string& page : pages) {
        bytes += WithCrc(page);
    }
    tree.Write("Sound/Boss.ogg", bytes);
    EXPECT_NE(LoadMusic(tree.PathOf("Sound/Boss.ogg").c_str()), nullptr);
}

// Audio editors write chunks of their own before "fmt " (JUNK, bext, LIST),
// of odd sizes padded to even, as RIFF allows: the header is still found.
TEST(BadFiles, AWavWithChunksBeforeItsFormatIsReadLikeAnyOther) {
    std::string wav = WavOfSilence(22050, 100, 100);
    const std::string extra = "JUNK\x04\0\0\0abcdbext\x03\0\0\0xyz\0LIST\x04\0\0\0INFO"s;
    wav.insert(12, extra);
    PutLittleEndian(wav, 4, static_cast<Uint32>(wav.size() - 8));
    SoundFormat format;
    EXPECT_TRUE(ReadWavFormat(reinterpret_cast<const Uint8*>(wav.data()), wav.size(), &format));
    EXPECT_EQ(format.rate, 22050);
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.frames, 100);
}

// Each bound of an effect at its edge and one past it: the lowest and the
// highest rate, and the converted size of 16 MiB, at the device's rate and
// at half of it (each sample then takes twice the room).
TEST(BadFiles, EachSoundBoundHoldsAtItsEdge) {
    TestScreen display;
    ASSERT_TRUE(display.audioOpen);
    BadFilesTree tree;
    const std::string wav = tree.PathOf("Sound/Shot1.wav");
    const Uint32 Limit = 16u << 20;  // bytes once converted: 4 a frame at 44100 Hz
    const struct {
        Uint32 rate, bytes;
        bool plays;
    } sounds[] = {{3999, 400, false},       {4000, 400, true},
                  {192000, 400, true},      {192001, 400, false},
                  {44100, Limit / 4, true}, {44100, Limit / 4 + 1, false},
                  {22050, Limit / 8, true}, {22050, Limit / 8 + 1, false}};
    for (const auto& sound : sounds) {
        tree.Write("Sound/Shot1.wav", WavOfSilence(sound.rate, sound.bytes, sound.bytes));
        EXPECT_EQ(LoadSound(wav.c_str()) != nullptr, sound.plays)
            << sound.rate << " Hz, " << sound.bytes << " bytes";
    }
}
