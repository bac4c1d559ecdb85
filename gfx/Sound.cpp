// SPDX-License-Identifier: MIT
#include "gfx/Sound.h"

#include "platform/RegularFile.h"
#include "platform/SoundFormat.h"

namespace {

constexpr int CountedChannels = 8;
int playCounts[CountedChannels] = {};

// Whether the file's format, as the reader finds it, is one the mixer can
// bring to the device's rate (see SoundFormat.h).
// A folder or a FIFO in a sound's place is refused before it is opened.
bool HasPlayableFormat(const char* path, bool (*readFormat)(SDL_RWops*, SoundFormat*)) {
    SDL_RWops* stream = OpenRegularFile(path);
    if (!stream) {
        return false;
    }
    SoundFormat format;
    const bool playable = readFormat(stream, &format) && IsPlayable(format);
    SDL_RWclose(stream);
    return playable;
}

}  // namespace

ChunkPtr LoadSound(const char* path) {
    if (!HasPlayableFormat(path, ReadWavFormat)) {
        return ChunkPtr();
    }
    SDL_RWops* stream = SDL_RWFromFile(path, "rb");
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
    if (!HasPlayableFormat(path, ReadVorbisFormat)) {
        return MusicPtr();
    }
    Mix_Music* music = Mix_LoadMUS(path);
    if (music) {
        LiveCount::Made(Held::Music);
    }
    return MusicPtr(music);
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
