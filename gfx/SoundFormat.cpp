// SPDX-License-Identifier: MIT
#include "gfx/SoundFormat.h"

#include <cstring>

namespace {

// An Ogg page begins with 27 bytes, the last of which counts the entries of
// the segment table that follows; the first packet comes right after it.
constexpr int PageHeaderSize = 27;
// The Vorbis identification packet: type 1, "vorbis", a 32-bit version
// (always 0), the channel count and the 32-bit rate, little-endian.
constexpr int IdentificationSize = 16;

Uint32 LittleEndian32(const Uint8* bytes) {
    return static_cast<Uint32>(bytes[0]) | static_cast<Uint32>(bytes[1]) << 8 |
           static_cast<Uint32>(bytes[2]) << 16 | static_cast<Uint32>(bytes[3]) << 24;
}

bool ReadExactly(SDL_RWops* stream, Uint8* into, int size) {
    return SDL_RWread(stream, into, 1, size) == size;
}

}  // namespace

bool IsPlayable(SoundFormat format) {
    return format.rate >= LowestSampleRate && format.rate <= HighestSampleRate &&
           (format.channels == 1 || format.channels == 2);
}

bool ReadWavFormat(SDL_RWops* stream, SoundFormat* format) {
    SDL_AudioSpec header;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(stream, 0, &header, &samples, &length)) {
        return false;
    }
    SDL_FreeWAV(samples);
    format->rate = header.freq;
    format->channels = header.channels;
    return true;
}

bool ReadVorbisFormat(SDL_RWops* stream, SoundFormat* format) {
    Uint8 page[PageHeaderSize];
    if (!ReadExactly(stream, page, PageHeaderSize) || std::memcmp(page, "OggS", 4) != 0) {
        return false;
    }
    Uint8 segments[255];
    Uint8 packet[IdentificationSize];
    if (!ReadExactly(stream, segments, page[PageHeaderSize - 1]) ||
        !ReadExactly(stream, packet, IdentificationSize) ||
        std::memcmp(packet, "\x01vorbis", 7) != 0 || LittleEndian32(packet + 7) != 0) {
        return false;
    }
    format->channels = packet[11];
    // A rate beyond int is simply one too high to play.
    const Uint32 rate = LittleEndian32(packet + 12);
    format->rate = rate > static_cast<Uint32>(HighestSampleRate) ? HighestSampleRate + 1
                                                                 : static_cast<int>(rate);
    return true;
}
