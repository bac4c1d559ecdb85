#pragma once

#include <SDL_mixer.h>

#include <memory>

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
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
// A sound effect owned by the object that loaded it; null when the file is
// missing or there is no audio device, which leaves that sound silent.
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

ChunkPtr LoadSound(const char* path);

struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
// A music track; null when missing or without audio, and then silent.
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

MusicPtr LoadMusic(const char* path);

// Plays a sound once, to its end, on the given channel; a null chunk plays
// nothing.
void PlaySound(int channel, Mix_Chunk* chunk);

// How many sounds have been started on a channel since the program began;
// the simulator's trace and the tests listen through it.
int SoundPlayCount(int channel);
