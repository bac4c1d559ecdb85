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

// The format of a WAV file, read from its header alone, the way SDL finds
// it: the RIFF header, then "fact" and "LIST" chunks skipped, then the
// "fmt " chunk, then chunks up to "data". False when SDL would be asked to
// trust a header it cannot survive: SDL decodes ADPCM (Microsoft's and
// IMA's) by the header's block size, samples per block and channels without
// checking them, so a block size of 0 divides by zero and a block that
// claims more samples than it holds, or more than two channels, runs past
// the decoder's buffers. Also false for any other encoding than 8- or
// 16-bit PCM and the two ADPCMs, for a chunk that runs past the end of the
// file, and when the file is no WAV at all. The stream is left anywhere.
bool ReadWavFormat(SDL_RWops* stream, SoundFormat* format);

// The format of an Ogg Vorbis file. A file may chain several streams one
// after the other (as `cat a.ogg b.ogg` makes), each with an identification
// header of its own, and the player converts each part as it comes to it;
// so every page that begins a stream, anywhere in the file, is read. The
// format given is the first stream's, or that of the first later stream
// that is not playable. False when the file does not begin with a Vorbis
// stream or any stream is not a Vorbis one.
bool ReadVorbisFormat(SDL_RWops* stream, SoundFormat* format);
