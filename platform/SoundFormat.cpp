// SPDX-License-Identifier: MIT
#include "platform/SoundFormat.h"

#include <cstring>

#include "platform/ByteOrder.h"

namespace {

// An Ogg page begins with 27 bytes: the capture pattern "OggS", a version,
// the flags (2: the page begins a stream), and last the count of entries of
// the segment table that follows; the page's first packet comes right
// after it.
constexpr int PageHeaderSize = 27;
constexpr Uint8 BeginsStream = 0x02;
// The Vorbis identification packet: type 1, "vorbis", a 32-bit version
// (always 0), the channel count and the 32-bit rate, little-endian.
constexpr int IdentificationSize = 16;
// How much of a file the search for pages reads at a time.
constexpr int ScanBlockSize = 16384;

// WAV encodings SDL decodes.
constexpr int PcmEncoding = 1;
constexpr int MsAdpcmEncoding = 2;
constexpr int ImaAdpcmEncoding = 0x11;
// The "fmt " fields: encoding, channels, rate, bytes a second, block size
// and bits a sample take 16 bytes; ADPCM adds the size of what follows and
// the samples a block holds, and Microsoft's its seven coefficient pairs.
constexpr int PcmFormatSize = 16;
constexpr int ImaFormatSize = 20;
constexpr int MsFormatSize = 50;
constexpr int MsCoefficientCount = 7;

bool ReadExactly(SDL_RWops* stream, Uint8* into, int size) {
    return SDL_RWread(stream, into, 1, size) == size;
}

// A rate beyond int is simply one too high to play.
int RateOf(Uint32 rate) {
    return rate > static_cast<Uint32>(HighestSampleRate) ? HighestSampleRate + 1
                                                         : static_cast<int>(rate);
}

// ---- WAV -------------------------------------------------------------------

// The next chunk's tag and size, when the whole chunk lies inside the file;
// `at` is where it begins and moves past it.
bool NextChunk(SDL_RWops* stream, long fileSize, long* at, Uint8 tag[4], Uint32* size) {
    Uint8 header[8];
    if (SDL_RWseek(stream, *at, RW_SEEK_SET) != *at || !ReadExactly(stream, header, 8)) {
        return false;
    }
    std::memcpy(tag, header, 4);
    *size = LittleEndian32(header + 4);
    if (static_cast<long>(*size) > fileSize - *at - 8) {
        return false;  // runs past the end: SDL would first ask for that much memory
    }
    *at += 8 + static_cast<long>(*size);
    return true;
}

bool IsTag(const Uint8 tag[4], const char* name) {
    return std::memcmp(tag, name, 4) == 0;
}

// Whether SDL's ADPCM decoders stay inside their buffers with these header
// fields: each block starts with a header for each channel and holds two
// samples a byte after it; Microsoft's block header carries two samples
// and the rest go two a byte; IMA's carries one, and the rest come in
// groups of eight a channel.
bool IsSafeAdpcm(int encoding, const Uint8* fmt, int fmtSize) {
    const int channels = LittleEndian16(fmt + 2);
    const int blockSize = LittleEndian16(fmt + 12);
    const int bits = LittleEndian16(fmt + 14);
    if (bits != 4 || channels < 1 || channels > 2) {
        return false;
    }
    const int samplesPerBlock = LittleEndian16(fmt + 18);
    if (encoding == MsAdpcmEncoding) {
        const int packed = (samplesPerBlock - 2) * channels;
        return fmtSize >= MsFormatSize && LittleEndian16(fmt + 20) == MsCoefficientCount &&
               samplesPerBlock >= 2 && packed % 2 == 0 && 7 * channels + packed / 2 <= blockSize;
    }
    const int packed = samplesPerBlock - 1;
    return fmtSize >= ImaFormatSize && samplesPerBlock >= 1 && packed % 8 == 0 &&
           4 * channels + packed / 2 * channels <= blockSize;
}

bool IsSafeWavFormat(const Uint8* fmt, int fmtSize) {
    if (fmtSize < PcmFormatSize) {
        return false;  // SDL would read the fields past the chunk
    }
    const int encoding = LittleEndian16(fmt);
    if (encoding == PcmEncoding) {
        const int bits = LittleEndian16(fmt + 14);
        return bits == 8 || bits == 16;
    }
    return (encoding == MsAdpcmEncoding || encoding == ImaAdpcmEncoding) &&
           IsSafeAdpcm(encoding, fmt, fmtSize);
}

// ---- Ogg -------------------------------------------------------------------

enum class PageStart { None, Vorbis, Other };

// What the page at `at` begins: nothing (no page there, or one in the middle
// of a stream), a Vorbis stream, whose format it gives, or a stream of
// anything else or cut short. The file's first page always counts as a
// beginning.
PageStart ReadPageStart(SDL_RWops* stream, long at, SoundFormat* format) {
    Uint8 page[PageHeaderSize];
    if (SDL_RWseek(stream, at, RW_SEEK_SET) != at || !ReadExactly(stream, page, PageHeaderSize) ||
        std::memcmp(page, "OggS", 4) != 0) {
        return at == 0 ? PageStart::Other : PageStart::None;
    }
    if (at != 0 && !(page[5] & BeginsStream)) {
        return PageStart::None;
    }
    Uint8 segments[255];
    Uint8 packet[IdentificationSize];
    if (!ReadExactly(stream, segments, page[PageHeaderSize - 1]) ||
        !ReadExactly(stream, packet, IdentificationSize) ||
        std::memcmp(packet, "\x01vorbis", 7) != 0 || LittleEndian32(packet + 7) != 0) {
        return PageStart::Other;
    }
    format->channels = packet[11];
    format->rate = RateOf(LittleEndian32(packet + 12));
    return PageStart::Vorbis;
}

}  // namespace

bool IsPlayable(SoundFormat format) {
    return format.rate >= LowestSampleRate && format.rate <= HighestSampleRate &&
           (format.channels == 1 || format.channels == 2);
}

bool ReadWavFormat(SDL_RWops* stream, SoundFormat* format) {
    const long fileSize = SDL_RWseek(stream, 0, RW_SEEK_END);
    Uint8 riff[12];
    if (fileSize < 12 || SDL_RWseek(stream, 0, RW_SEEK_SET) != 0 ||
        !ReadExactly(stream, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0) {
        return false;
    }
    long at = 12;
    Uint8 tag[4];
    Uint32 size = 0;
    do {
        if (!NextChunk(stream, fileSize, &at, tag, &size)) {
            return false;
        }
    } while (IsTag(tag, "fact") || IsTag(tag, "LIST"));
    Uint8 fmt[MsFormatSize] = {};
    const int fmtSize = size < sizeof fmt ? static_cast<int>(size) : static_cast<int>(sizeof fmt);
    // The chunk lies inside the file, so its start fits a long wherever long is 32 bits.
    const long fmtAt = at - static_cast<long>(size);
    if (!IsTag(tag, "fmt ") || SDL_RWseek(stream, fmtAt, RW_SEEK_SET) != fmtAt ||
        !ReadExactly(stream, fmt, fmtSize) || !IsSafeWavFormat(fmt, fmtSize)) {
        return false;
    }
    do {
        if (!NextChunk(stream, fileSize, &at, tag, &size)) {
            return false;
        }
    } while (!IsTag(tag, "data"));
    format->channels = LittleEndian16(fmt + 2);
    format->rate = RateOf(LittleEndian32(fmt + 4));
    return true;
}

bool ReadVorbisFormat(SDL_RWops* stream, SoundFormat* format) {
    if (ReadPageStart(stream, 0, format) != PageStart::Vorbis) {
        return false;
    }
    // The player finds a page wherever its capture pattern is, even after
    // bytes of nothing, so every place the pattern appears is looked at.
    Uint8 block[ScanBlockSize];
    long scanned = 1;
    for (;;) {
        if (SDL_RWseek(stream, scanned, RW_SEEK_SET) != scanned) {
            return false;
        }
        const int got = SDL_RWread(stream, block, 1, ScanBlockSize);
        for (int i = 0; i + 4 <= got; ++i) {
            if (block[i] != 'O' || std::memcmp(block + i, "OggS", 4) != 0) {
                continue;
            }
            SoundFormat later;
            const PageStart start = ReadPageStart(stream, scanned + i, &later);
            if (start == PageStart::Other) {
                return false;
            }
            if (start == PageStart::Vorbis && !IsPlayable(later)) {
                *format = later;
                return true;
            }
        }
        if (got < ScanBlockSize) {
            return true;
        }
        scanned += got - 3;
    }
}
