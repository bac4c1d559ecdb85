// SPDX-License-Identifier: MIT
// The generated sounds against the asset contract: every effect is a short
// 44100 Hz, 16-bit WAV that the game's loader accepts, no two alike; both
// music tracks are stereo 44100 Hz Ogg Vorbis of their length that the mixer
// opens, and the restarted track loops without a click.
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <set>

#include "gfx/Sound.h"
#include "tests/TestSupport.h"
#include "tools/assetgen/AssetContract.h"

namespace {

using assetcontract::SoundAsset;
using assetcontract::SoundKind;

std::uint64_t Little(const std::string& bytes, size_t at, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

struct WavFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    size_t dataAt = 0;
    size_t dataBytes = 0;
};

// Walks the RIFF chunks for the format and the samples.
WavFormat ReadWav(const std::string& bytes) {
    WavFormat format;
    if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return format;
    }
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string name = bytes.substr(at, 4);
        const size_t size = Little(bytes, at + 4, 4);
        if (name == "fmt " && Little(bytes, at + 8, 2) == 1) {
            format.channels = static_cast<int>(Little(bytes, at + 10, 2));
            format.rate = static_cast<int>(Little(bytes, at + 12, 4));
            format.bits = static_cast<int>(Little(bytes, at + 22, 2));
        } else if (name == "data") {
            format.dataAt = at + 8;
            format.dataBytes = std::min(size, bytes.size() - format.dataAt);
        }
        at += 8 + size + (size & 1);
    }
    return format;
}

std::vector<const SoundAsset*> SoundsOfKind(SoundKind kind) {
    std::vector<const SoundAsset*> sounds;
    for (const SoundAsset& sound : assetcontract::Sounds) {
        if (sound.kind == kind) {
            sounds.push_back(&sound);
        }
    }
    return sounds;
}

TEST(AssetSoundEffects, AreShortAudible16BitWavsAtTheMixingRateNoTwoAlike) {
    std::set<std::string> seen;
    for (const SoundAsset* sound : SoundsOfKind(SoundKind::Effect)) {
        SCOPED_TRACE(sound->path);
        const std::string bytes = ReadFileBytes(DataPath(sound->path));
        const WavFormat format = ReadWav(bytes);
        EXPECT_EQ(format.rate, assetcontract::SampleRate);
        EXPECT_EQ(format.bits, 16);
        ASSERT_GT(format.channels, 0);
        const double seconds =
            static_cast<double>(format.dataBytes) / (2 * format.channels) / format.rate;
        EXPECT_GE(seconds, sound->minSeconds);
        EXPECT_LE(seconds, sound->maxSeconds);
        int loudest = 0;
        for (size_t at = format.dataAt; at + 1 < format.dataAt + format.dataBytes; at += 2) {
            loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(Little(bytes, at, 2))));
        }
        EXPECT_GT(loudest, 8000) << "nearly silent";
        EXPECT_TRUE(seen.insert(bytes.substr(format.dataAt, format.dataBytes)).second)
            << "repeats another effect";
    }
}

// Tests that need the mixer open, as the game has it.
class AssetMixer : public testing::Test {
protected:
    void SetUp() override {
        if (!screen.audioOpen) {
            GTEST_SKIP() << "no audio device";
        }
    }
    TestScreen screen;
};

TEST_F(AssetMixer, EffectsLoadThroughTheGameLoaderAndMusicOpensInTheMixer) {
    for (const SoundAsset* sound : SoundsOfKind(SoundKind::Effect)) {
        EXPECT_TRUE(LoadSound(DataPath(sound->path).c_str())) << sound->path;
    }
    for (const SoundAsset* music : SoundsOfKind(SoundKind::Music)) {
        Mix_Music* track = Mix_LoadMUS(DataPath(music->path).c_str());
        EXPECT_NE(track, nullptr) << music->path << ": " << Mix_GetError();
        Mix_FreeMusic(track);
    }
}

// The Vorbis identification header opens the first page; the granule
// position of the last page counts the samples of the whole stream.
struct OggStream {
    int channels = 0;
    int rate = 0;
    std::uint64_t frames = 0;
};

OggStream ReadOgg(const std::string& bytes) {
    OggStream stream;
    const size_t header = bytes.find("\x01vorbis");
    if (bytes.compare(0, 4, "OggS") != 0 || header == std::string::npos) {
        return stream;
    }
    stream.channels = static_cast<int>(Little(bytes, header + 11, 1));
    stream.rate = static_cast<int>(Little(bytes, header + 12, 4));
    const size_t lastPage = bytes.rfind("OggS");
    stream.frames = Little(bytes, lastPage + 6, 8);
    return stream;
}

TEST(AssetMusic, TracksAreStereoVorbisOfTheirLength) {
    for (const SoundAsset* music : SoundsOfKind(SoundKind::Music)) {
        const OggStream stream = ReadOgg(ReadFileBytes(DataPath(music->path)));
        EXPECT_EQ(stream.channels, 2) << music->path;
        ASSERT_EQ(stream.rate, assetcontract::SampleRate) << music->path;
        const double seconds = static_cast<double>(stream.frames) / stream.rate;
        EXPECT_GE(seconds, music->minSeconds) << music->path;
        EXPECT_LE(seconds, music->maxSeconds) << music->path;
    }
}

// The game restarts the following track whenever it ends, so it must begin
// and end at rest: a jump at either edge would click on every restart.
TEST_F(AssetMixer, FollowingTrackStartsAndEndsAtRest) {
    Mix_Chunk* decoded = Mix_LoadWAV(DataPath("Sound/Boss.ogg").c_str());
    ASSERT_NE(decoded, nullptr) << Mix_GetError();
    const Sint16* samples = reinterpret_cast<const Sint16*>(decoded->abuf);
    const size_t count = decoded->alen / 2;
    ASSERT_GT(count, 4u);
    constexpr int AtRest = 1500;  // under 5 % of full scale
    for (size_t i : {size_t{0}, size_t{1}, count - 2, count - 1}) {
        EXPECT_LT(std::abs(samples[i]), AtRest) << "sample " << i << " of " << count;
    }
    Mix_FreeChunk(decoded);
}

}  // namespace
