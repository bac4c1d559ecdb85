#include "gfx/Sound.h"

namespace {
constexpr int CountedChannels = 8;
int playCounts[CountedChannels] = {};
}  // namespace

ChunkPtr LoadSound(const char* path) {
    SDL_RWops* stream = SDL_RWFromFile(path, "rb");
    if (!stream) {
        return ChunkPtr();
    }
    return ChunkPtr(Mix_LoadWAV_RW(stream, 1));
}

MusicPtr LoadMusic(const char* path) {
    return MusicPtr(Mix_LoadMUS(path));
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
