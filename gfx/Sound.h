// SPDX-License-Identifier: MIT
#pragma once

#include <SDL_mixer.h>

#include <memory>

#include "gfx/LiveCount.h"

// The mixer channel of each kind of sound; a new sound on a channel cuts the
// one playing there.
enum SoundChannel {
    HeroShotChannel = 1,
    HeroExplosionChannel = 2,
    EnemyShotChannel = 3,
    EnemyExplosionChannel = 4,
    BossArrivalChannel = 5,
};

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const {
        LiveCount::Released(Held::Chunk);
        Mix_FreeChunk(chunk);
    }
};
// A sound effect owned by the object that loaded it; null when the file is
// missing, is no WAV file in a format the mixer can play (SoundFormat.h),
// would convert to more than LargestConvertedSound, or there is no audio
// device, which leaves that sound silent.
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

ChunkPtr LoadSound(const char* path);

// Frees the track, then the stream it was read from.
struct MusicDeleter {
    SDL_RWops* stream = nullptr;
    void operator()(Mix_Music* music) const {
        LiveCount::Released(Held::Music);
        Mix_FreeMusic(music);
        if (stream) {
            SDL_RWclose(stream);
        }
    }
};
// An Ogg Vorbis music track; null, and then silent, when missing, in a
// format the mixer cannot play (SoundFormat.h), holding anything that is no
// Ogg page, or without audio.
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

MusicPtr LoadMusic(const char* path);

// Plays a sound once, to its end, on the given channel; a null chunk plays
// nothing.
void PlaySound(int channel, Mix_Chunk* chunk);

// How many sounds have been started on a channel since the program began;
// the simulator's trace and the tests listen through it.
int SoundPlayCount(int channel);
