// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>

// SDL_mixer brings every sound to the device's rate through a fixed table of
// halving and doubling steps. A rate far from the device's overruns that
// table and crashes the game as the sound loads or, for music, as it plays
// (a rate of 0 never finishes the table at all). So a sound file reaches the
// mixer only when its rate is one a sound card plays and it has one or two
// channels; any other stays silent, like a missing one.
constexpr int LowestSampleRate = 4000;
constexpr int HighestSampleRate = 192000;

// An effect is converted whole, as it loads, to the device's 44100 Hz 16-bit
// stereo, and each owner of a sound holds its own copy: the shot sound is
// loaded nine times, the game's 22 effects in all. The mixer sizes its
// conversion buffer in an int, which a long sound wraps (128 MiB at 4000 Hz
// became 0 and corrupted the heap). So an effect converted to more than
// 16 MiB (95 seconds) stays silent: the shot sound then costs at most
// 144 MiB, every effect at once 352 MiB.
constexpr long long LargestConvertedSound = 16LL << 20;

struct SoundFormat {
    int rate = 0;
    int channels = 0;
    // Sample frames (one sample of each channel) a WAV's data hold, as its
    // header claims them.
    long long frames = 0;
};

bool IsPlayable(SoundFormat format);

// The bytes a WAV effect takes once converted for the device, or would take
// on its way there: its frames at 4 bytes each, scaled up to the device's
// rate from a lower one. Never less than what SDL_mixer allocates.
long long ConvertedSize(SoundFormat format);

// The format of a WAV file, read from its header alone: the RIFF header,
// then chunks, each padded to an even size, skipped up to the "fmt " chunk,
// then up to "data", whose claimed size gives the frames (it may claim more
// than the file holds; the decoder decides). False when SDL would be asked
// to trust a header it cannot survive: SDL decodes ADPCM (Microsoft's and
// IMA's) by the header's block size, samples per block and channels without
// checking them, so a block size of 0 divides by zero and a block that
// claims more samples than it holds, or more than two channels, runs past
// the decoder's buffers. Also false for any other encoding than 8- or
// 16-bit PCM and the two ADPCMs, for a chunk before the data that runs past
// the end of the file, and when the file is no WAV at all.
bool ReadWavFormat(const Uint8* bytes, size_t size, SoundFormat* format);

// The format of an Ogg Vorbis file. The file is walked page by page, each
// page's checksum checked: anything that is not a page (bytes after the
// last one, zeros, a damaged page) makes it false, for the decoder would
// search through it for a page at a cost that grows with the square of its
// length. Only the last page may be cut short, as an interrupted copy
// leaves it. A file may chain several streams one after the other (as `cat
// a.ogg b.ogg` makes), each with an identification header of its own, and
// the player converts each part as it comes to it; so every page that begins
// a stream is read. The format given is the first stream's, or that of the
// first later stream that is not playable. False also when the file does not
// begin with a Vorbis stream or any stream is not a Vorbis one.
bool ReadVorbisFormat(const Uint8* bytes, size_t size, SoundFormat* format);
