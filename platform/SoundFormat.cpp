// SPDX-License-Identifier: MIT
#include "platform/SoundFormat.h"

#include <cstring>

#include "platform/ByteOrder.h"

namespace {

// An Ogg page begins with 27 bytes: the capture pattern "OggS", a version
// (0), the flags (2: the page begins a stream), the granule position, the
// stream's serial number, the page's sequence number, its checksum, and
// last the count of entries of the segment table that follows; the table
// gives the lengths of the segments of the page's body, which comes right
// after it.
constexpr size_t PageHeaderSize = 27;
constexpr size_t PageChecksumAt = 22;
constexpr Uint8 BeginsStream = 0x02;
// The Vorbis identification packet: type 1, "vorbis", a 32-bit version
// (always 0), the channel count and the 32-bit rate, little-endian.
constexpr size_t IdentificationSize = 16;

// The device's rate and the bytes of one of its frames (16-bit stereo).
constexpr long long DeviceRate = 44100;
constexpr long long DeviceFrameSize = 4;

// WAV encodings SDL decodes.
constexpr int PcmEncoding = 1;
constexpr int MsAdpcmEncoding = 2;
constexpr int ImaAdpcmEncoding = 0x11;
// The "fmt " fields: encoding, channels, rate, bytes a second, block size
// and bits a sample take 16 bytes; ADPCM adds the size of what follows and
// the samples a block holds, and Microsoft's its seven coefficient pairs.
constexpr size_t PcmFormatSize = 16;
constexpr size_t ImaFormatSize = 20;
constexpr size_t MsFormatSize = 50;
constexpr int MsCoefficientCount = 7;
constexpr size_t ChunkHeaderSize = 8;

// A rate beyond int is simply one too high to play.
int RateOf(Uint32 rate) {
    return rate > static_cast<Uint32>(HighestSampleRate) ? HighestSampleRate + 1
                                                         : static_cast<int>(rate);
}

// ---- WAV -------------------------------------------------------------------

struct Chunk {
    const Uint8* tag;
    size_t at;  // where its body begins
    Uint32 size;
};

bool IsTag(const Chunk& chunk, const char* name) {
    return std::memcmp(chunk.tag, name, 4) == 0;
}

// The chunk at `at`, whose header lies inside the file, and `at` moved past
// it, padded to an even size as RIFF says.
bool NextChunk(const Uint8* bytes, size_t size, size_t* at, Chunk* chunk) {
    if (*at > size || size - *at < ChunkHeaderSize) {
        return false;
    }
    chunk->tag = bytes + *at;
    chunk->size = LittleEndian32(bytes + *at + 4);
    chunk->at = *at + ChunkHeaderSize;
    *at = chunk->at + chunk->size + (chunk->size & 1);
    return true;
}

// Whether the chunk's body lies wholly inside the file: SDL would first ask
// for that much memory for one that does not.
bool IsInside(const Chunk& chunk, size_t size) {
    return chunk.size <= size - chunk.at;
}

// Whether SDL's ADPCM decoders stay inside their buffers with these header
// fields: each block starts with a header for each channel and holds two
// samples a byte after it; Microsoft's block header carries two samples
// and the rest go two a byte; IMA's carries one, and the rest come in
// groups of eight a channel.
bool IsSafeAdpcm(int encoding, const Uint8* fmt, size_t fmtSize) {
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

bool IsSafeWavFormat(const Uint8* fmt, size_t fmtSize) {
    if (fmtSize < PcmFormatSize) {
        return false;  // SDL would read the fields past the chunk
    }
    const int encoding = LittleEndian16(fmt);
    if (encoding == PcmEncoding) {
        const int bits = LittleEndian16(fmt + 14);
        const int channels = LittleEndian16(fmt + 2);
        return (bits == 8 || bits == 16) && channels >= 1;
    }
    return (encoding == MsAdpcmEncoding || encoding == ImaAdpcmEncoding) &&
           IsSafeAdpcm(encoding, fmt, fmtSize);
}

// The frames of `dataSize` bytes of data in that format: PCM holds whole
// frames, ADPCM blocks of a known number of them (a last block cut short
// still counts whole).
long long FramesOf(const Uint8* fmt, Uint32 dataSize) {
    const int channels = LittleEndian16(fmt + 2);
    if (LittleEndian16(fmt) == PcmEncoding) {
        return dataSize / (channels * (LittleEndian16(fmt + 14) / 8));
    }
    const long long blockSize = LittleEndian16(fmt + 12);
    return (dataSize + blockSize - 1) / blockSize * LittleEndian16(fmt + 18);
}

// ---- Ogg -------------------------------------------------------------------

// The checksum of an Ogg page: polynomial 0x04C11DB7, most significant bit
// first, over the page with its checksum field taken as zeros.
class PageChecksum {
public:
    PageChecksum() {
        for (Uint32 byte = 0; byte < 256; ++byte) {
            Uint32 crc = byte << 24;
            for (int bit = 0; bit < 8; ++bit) {
                crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
            }
            table[byte] = crc;
        }
    }

    bool IsRight(const Uint8* page, size_t size) const {
        Uint32 crc = 0;
        for (size_t i = 0; i < size; ++i) {
            const Uint8 byte = i >= PageChecksumAt && i < PageChecksumAt + 4 ? 0 : page[i];
            crc = crc << 8 ^ table[(crc >> 24) ^ byte];
        }
        return crc == LittleEndian32(page + PageChecksumAt);
    }

private:
    Uint32 table[256];
};

enum class Page { Whole, CutShort, NotAPage };

// What lies at `at`: a whole page whose checksum is right, of `pageSize`
// bytes; the beginning of one that the end of the file cuts short; or
// anything else.
Page PageAt(const Uint8* bytes, size_t size, size_t at, size_t* pageSize) {
    static const PageChecksum checksum;
    const size_t left = size - at;
    const size_t pattern = left < 4 ? left : 4;
    if (std::memcmp(bytes + at, "OggS", pattern) != 0 || (left > 4 && bytes[at + 4] != 0)) {
        return Page::NotAPage;
    }
    if (left < PageHeaderSize || left < PageHeaderSize + bytes[at + PageHeaderSize - 1]) {
        return Page::CutShort;
    }
    const Uint8* segments = bytes + at + PageHeaderSize;
    *pageSize = PageHeaderSize + bytes[at + PageHeaderSize - 1];
    for (int i = 0; i < bytes[at + PageHeaderSize - 1]; ++i) {
        *pageSize += segments[i];
    }
    if (left < *pageSize) {
        return Page::CutShort;
    }
    return checksum.IsRight(bytes + at, *pageSize) ? Page::Whole : Page::NotAPage;
}

// The format in the identification packet that begins the page's body;
// false when it holds none.
bool ReadIdentification(const Uint8* page, size_t pageSize, SoundFormat* format) {
    const size_t body = PageHeaderSize + page[PageHeaderSize - 1];
    if (pageSize - body < IdentificationSize || std::memcmp(page + body, "\x01vorbis", 7) != 0 ||
        LittleEndian32(page + body + 7) != 0) {
        return false;
    }
    format->channels = page[body + 11];
    format->rate = RateOf(LittleEndian32(page + body + 12));
    return true;
}

}  // namespace

bool IsPlayable(SoundFormat format) {
    return format.rate >= LowestSampleRate && format.rate <= HighestSampleRate &&
           (format.channels == 1 || format.channels == 2);
}

long long ConvertedSize(SoundFormat format) {
    const long long size = format.frames * DeviceFrameSize;
    return format.rate > 0 && format.rate < DeviceRate ? size * DeviceRate / format.rate : size;
}

bool ReadWavFormat(const Uint8* bytes, size_t size, SoundFormat* format) {
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return false;
    }
    size_t at = 12;
    Chunk chunk = {};
    do {
        if (!NextChunk(bytes, size, &at, &chunk) || !IsInside(chunk, size) ||
            IsTag(chunk, "data")) {
            return false;
        }
    } while (!IsTag(chunk, "fmt "));
    Uint8 fmt[MsFormatSize] = {};
    const size_t fmtSize = chunk.size < sizeof fmt ? chunk.size : sizeof fmt;
    std::memcpy(fmt, bytes + chunk.at, fmtSize);
    if (!IsSafeWavFormat(fmt, fmtSize)) {
        return false;
    }
    do {
        if (!NextChunk(bytes, size, &at, &chunk)) {
            return false;
        }
    } while (!IsTag(chunk, "data") && IsInside(chunk, size));
    if (!IsTag(chunk, "data")) {
        return false;
    }
    format->channels = LittleEndian16(fmt + 2);
    format->rate = RateOf(LittleEndian32(fmt + 4));
    format->frames = FramesOf(fmt, chunk.size);
    return true;
}

bool ReadVorbisFormat(const Uint8* bytes, size_t size, SoundFormat* format) {
    bool first = true;
    for (size_t at = 0; at < size;) {
        size_t pageSize = 0;
        const Page page = PageAt(bytes, size, at, &pageSize);
        if (page == Page::NotAPage || (page == Page::CutShort && first)) {
            return false;
        }
        if (page == Page::CutShort) {
            return true;  // an interrupted copy: the player stops where it ends
        }
        if (first || (bytes[at + 5] & BeginsStream)) {
            SoundFormat stream;
            if (!ReadIdentification(bytes + at, pageSize, &stream)) {
                return false;
            }
            if (first || (IsPlayable(*format) && !IsPlayable(stream))) {
                *format = stream;
            }
        }
        first = false;
        at += pageSize;
    }
    return !first;
}
