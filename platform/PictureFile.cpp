// SPDX-License-Identifier: MIT
#include "platform/PictureFile.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/ByteOrder.h"

namespace {

const Uint8 PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// The signature, then the first chunk's length and type, then IHDR's width
// and height, big-endian.
constexpr size_t PngHeaderSize = 24;
// A chunk is its length, its type, its data and a 4-byte checksum.
constexpr size_t PngChunkOverhead = 12;
// A BMP's file header is 14 bytes, its size field in the info header that
// follows says which layout the rest has: 12 bytes of 16-bit fields, or 40
// and more of 32-bit ones.
constexpr size_t BmpFileHeaderSize = 14;
constexpr size_t BmpCoreHeaderSize = 12;
constexpr size_t BmpInfoHeaderSize = 40;
// Uncompressed pixels, plain or with colour masks: rows of known size.
constexpr Uint32 BmpPlainPixels = 0;
constexpr Uint32 BmpMaskedPixels = 3;

bool Refuse(const char* reason) {
    SDL_SetError("%s", reason);
    return false;
}

bool CutShort() {
    return Refuse("the file is cut short");
}

// SDL's own formatting knows no long long.
bool RefuseSize(long long width, long long height) {
    char reason[96];
    std::snprintf(reason, sizeof reason,
                  "a picture of %lld x %lld pixels is none the game could have", width, height);
    return Refuse(reason);
}

bool ReadAt(const Uint8* bytes, size_t size, size_t at, Uint8* into, size_t count) {
    if (at > size || count > size - at) {
        return false;
    }
    std::memcpy(into, bytes + at, count);
    return true;
}

// The size from IHDR, then every chunk's length up to IEND: the file ends
// early when a chunk runs past its end.
bool CheckPng(const Uint8* bytes, size_t size, bool* endsEarly) {
    Uint8 header[PngHeaderSize];
    if (!ReadAt(bytes, size, 0, header, PngHeaderSize)) {
        return CutShort();
    }
    if (std::memcmp(header + 12, "IHDR", 4) != 0) {
        return true;  // the PNG reader refuses it before reading any pixel
    }
    if (!HasPictureSize(BigEndian32(header + 16), BigEndian32(header + 20))) {
        return false;
    }
    for (size_t at = sizeof PngSignature; at != size;) {
        Uint8 chunk[8];
        if (!ReadAt(bytes, size, at, chunk, 8) || size - at < PngChunkOverhead ||
            BigEndian32(chunk) > size - at - PngChunkOverhead) {
            *endsEarly = true;
            return true;
        }
        if (std::memcmp(chunk + 4, "IEND", 4) == 0) {
            return true;
        }
        at += PngChunkOverhead + BigEndian32(chunk);
    }
    return true;
}

// The size from the info header, as SDL reads it (a negative height is a
// picture stored top row first), and, for uncompressed pixels, whether the
// rows are all there.
bool CheckBmp(const Uint8* bytes, size_t size, bool* endsEarly) {
    Uint8 header[BmpFileHeaderSize + BmpInfoHeaderSize] = {};
    const size_t got = size < sizeof header ? size : sizeof header;
    ReadAt(bytes, size, 0, header, got);
    const bool core = got >= 18 && LittleEndian32(header + 14) == BmpCoreHeaderSize;
    if (got < BmpFileHeaderSize + (core ? BmpCoreHeaderSize : BmpInfoHeaderSize)) {
        return CutShort();
    }
    const long long width =
        core ? LittleEndian16(header + 18) : static_cast<Sint32>(LittleEndian32(header + 18));
    const long long height =
        core ? LittleEndian16(header + 20) : static_cast<Sint32>(LittleEndian32(header + 22));
    if (!HasPictureSize(width, height < 0 ? -height : height)) {
        return RefuseSize(width, height);  // as the file says it
    }
    // SDL makes a surface of whatever depth the header claims, and reads far
    // outside one of an impossible depth when converting it.
    const int bits = LittleEndian16(header + (core ? 24 : 28));
    const bool knownRows =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (!knownRows && bits != 15) {
        char reason[80];
        std::snprintf(reason, sizeof reason,
                      "a BMP picture of %d bits per pixel is none the game could read", bits);
        return Refuse(reason);
    }
    const Uint32 compression = core ? BmpPlainPixels : LittleEndian32(header + 30);
    const long long pixelsAt = LittleEndian32(header + 10);
    if (pixelsAt != 0 && knownRows &&
        (compression == BmpPlainPixels || compression == BmpMaskedPixels)) {
        const long long rowSize = (width * bits + 31) / 32 * 4;
        *endsEarly =
            pixelsAt + rowSize * (height < 0 ? -height : height) > static_cast<long long>(size);
    }
    return true;
}

}  // namespace

bool HasPictureSize(long long width, long long height) {
    return (width >= 1 && width <= LargestPictureSide && height >= 1 &&
            height <= LargestPictureSide && width * height <= LargestPicturePixels) ||
           RefuseSize(width, height);
}

bool CheckPicture(const Uint8* bytes, size_t size, bool bmpOnly, bool* endsEarly) {
    *endsEarly = false;
    const size_t got = size < sizeof PngSignature ? size : sizeof PngSignature;
    if (size == 0) {
        return Refuse("the file is empty");
    }
    if (got >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        return CheckBmp(bytes, size, endsEarly);
    }
    if (bmpOnly) {
        return Refuse("the file holds no BMP picture");
    }
    if (std::memcmp(bytes, PngSignature, got) != 0) {
        return Refuse("the file holds no PNG or BMP picture");
    }
    if (got < sizeof PngSignature) {
        return CutShort();
    }
    return CheckPng(bytes, size, endsEarly);
}
