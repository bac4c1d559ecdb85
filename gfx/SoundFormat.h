// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// SDL_mixer brings every sound to the device's rate through a fixed table of
// halving and doubling steps. A rate far from the device's overruns that
// table and crashes the game as the sound loads or, for music, as it plays
// (a rate of 0 never finishes the table at all). So a sound file reaches the
// mixer only when its rate is one a sound card plays and it has one or two
// channels; any other stays silent, like a missing one.
constexpr int LowestSampleRate = 4000;
constexpr int HighestSampleRate = 192000;

struct SoundFormat {
    int rate = 0;
    int channels = 0;
};

bool IsPlayable(SoundFormat format);

// The format of a WAV file as SDL itself reads it, which also decodes the
// samples; false when SDL cannot read the file. The stream is left wherever
// SDL stopped reading.
bool ReadWavFormat(SDL_RWops* stream, SoundFormat* format);

// The format of an Ogg Vorbis file from the identification header on its
// first page; false when the file does not begin with one.
bool ReadVorbisFormat(SDL_RWops* stream, SoundFormat* format);
