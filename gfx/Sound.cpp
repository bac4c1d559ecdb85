// SPDX-License-Identifier: MIT
#include "gfx/Sound.h"

#include "platform/GameFile.h"
#include "platform/SoundFormat.h"

namespace {

constexpr int CountedChannels = 8;
int playCounts[CountedChannels] = {};

// The file through the door, handed over as a stream for the mixer when the
// reader finds it in a format the mixer can play (see SoundFormat.h);
// otherwise null, and the sound stays silent.
SDL_RWops* OpenPlayable(const char* path, bool (*readFormat)(const Uint8*, size_t, SoundFormat*)) {
    std::unique_ptr<GameFile> file = GameFile::Open(path);
    SoundFormat format;
    if (!file || !readFormat(file->Bytes(), file->Size(), &format) || !IsPlayable(format) ||
        ConvertedSize(format) > LargestConvertedSound) {
        return nullptr;
    }
    return GameFile::HandOver(std::move(file));
}

}  // namespace

ChunkPtr LoadSound(const char* path) {
    SDL_RWops* stream = OpenPlayable(path, ReadWavFormat);
    if (!stream) {
        return ChunkPtr();
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);
    if (chunk) {
        LiveCount::Made(Held::Chunk);
    }
    return ChunkPtr(chunk);
}

MusicPtr LoadMusic(const char* path) {
    SDL_RWops* stream = OpenPlayable(path, ReadVorbisFormat);
    if (!stream) {
        return MusicPtr();
    }
    // The player reads the track as it plays: the stream lives as long.
    Mix_Music* music = Mix_LoadMUS_RW(stream);
    if (!music) {
        SDL_RWclose(stream);
        return MusicPtr();
    }
    LiveCount::Made(Held::Music);
    return MusicPtr(music, MusicDeleter{stream});
}

void PlaySound(int channel, Mix_Chunk* chunk) {
    if (!chunk) {
        return;
    }
    if (channel >= 0 && channel < CountedChannels) {
        ++playCounts[channel];
    }
    Mix_PlayChannelTimed(channel, chunk, 0, -1);
}

int SoundPlayCount(int channel) {
    return channel >= 0 && channel < CountedChannels ? playCounts[channel] : 0;
}
