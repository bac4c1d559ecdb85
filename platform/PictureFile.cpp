// SPDX-License-Identifier: MIT
#include "platform/PictureFile.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/ByteOrder.h"
#include "platform/RegularFile.h"

namespace {

const Uint8 PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// The signature, then the first chunk's length and type, then IHDR's width
// and height, big-endian.
constexpr int PngHeaderSize = 24;
// A chunk is its length, its type, its data and a 4-byte checksum.
constexpr long PngChunkOverhead = 12;
// A BMP's file header is 14 bytes, its size field in the info header that
// follows says which layout the rest has: 12 bytes of 16-bit fields, or 40
// and more of 32-bit ones.
constexpr int BmpFileHeaderSize = 14;
constexpr Uint32 BmpCoreHeaderSize = 12;
constexpr int BmpInfoHeaderSize = 40;
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

// SDL's own formatting knows no long.
bool RefuseSize(long width, long height) {
    char reason[96];
    std::snprintf(reason, sizeof reason,
                  "a picture of %ld x %ld pixels is none the game could have", width, height);
    return Refuse(reason);
}

bool HasPictureSize(long width, long height) {
    return (width >= 1 && width <= LargestPictureSide && height >= 1 &&
            height <= LargestPictureSide) ||
           RefuseSize(width, height);
}

// Reads `size` bytes at `at`, or as many as there are.
int ReadAt(SDL_RWops* stream, long at, Uint8* into, int size) {
    if (SDL_RWseek(stream, at, RW_SEEK_SET) != at) {
        return 0;
    }
    const int got = SDL_RWread(stream, into, 1, size);
    return got < 0 ? 0 : got;
}

// The size from IHDR, then every chunk's length up to IEND, whose absence
// means the file was cut short.
bool CheckPng(SDL_RWops* stream, long fileSize) {
    Uint8 header[PngHeaderSize];
    if (ReadAt(stream, 0, header, PngHeaderSize) < PngHeaderSize) {
        return CutShort();
    }
    if (std::memcmp(header + 12, "IHDR", 4) != 0) {
        return true;  // the PNG reader refuses it before reading any pixel
    }
    if (!HasPictureSize(BigEndian32(header + 16), BigEndian32(header + 20))) {
        return false;
    }
    for (long at = sizeof PngSignature;;) {
        Uint8 chunk[8];
        if (ReadAt(stream, at, chunk, 8) < 8) {
            return CutShort();
        }
        const long length = BigEndian32(chunk);
        if (length > fileSize - at - PngChunkOverhead) {
            return CutShort();
        }
        if (std::memcmp(chunk + 4, "IEND", 4) == 0) {
            return true;
        }
        at += PngChunkOverhead + length;
    }
}

// The size from the info header, as SDL reads it (a negative height is a
// picture stored top row first), and, for uncompressed pixels, whether the
// rows are all there.
bool CheckBmp(SDL_RWops* stream, long fileSize) {
    Uint8 header[BmpFileHeaderSize + BmpInfoHeaderSize] = {};
    const int got = ReadAt(stream, 0, header, sizeof header);
    const bool core = got >= 18 && LittleEndian32(header + 14) == BmpCoreHeaderSize;
    if (got <
        BmpFileHeaderSize + (core ? static_cast<int>(BmpCoreHeaderSize) : BmpInfoHeaderSize)) {
        return CutShort();
    }
    const long width =
        core ? LittleEndian16(header + 18) : static_cast<Sint32>(LittleEndian32(header + 18));
    const long height =
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
    const long pixelsAt = LittleEndian32(header + 10);
    if (pixelsAt != 0 && knownRows &&
        (compression == BmpPlainPixels || compression == BmpMaskedPixels)) {
        const long rowSize = (width * bits + 31) / 32 * 4;
        if (pixelsAt + rowSize * (height < 0 ? -height : height) > fileSize) {
            return CutShort();
        }
    }
    return true;
}

}  // namespace

bool CheckPictureFile(const char* path, bool bmpOnly) {
    SDL_RWops* stream = OpenRegularFile(path);
    if (!stream) {
        return false;
    }
    bool readable = false;
    const long fileSize = SDL_RWseek(stream, 0, RW_SEEK_END);
    Uint8 magic[sizeof PngSignature] = {};
    const int got = fileSize > 0 ? ReadAt(stream, 0, magic, sizeof magic) : 0;
    if (fileSize <= 0) {
        Refuse("the file is empty");
    } else if (got >= 2 && magic[0] == 'B' && magic[1] == 'M') {
        readable = CheckBmp(stream, fileSize);
    } else if (bmpOnly) {
        Refuse("the file holds no BMP picture");
    } else if (std::memcmp(magic, PngSignature, got) != 0) {
        Refuse("the file holds no PNG or BMP picture");
    } else if (got < static_cast<int>(sizeof PngSignature)) {
        CutShort();
    } else {
        readable = CheckPng(stream, fileSize);
    }
    SDL_RWclose(stream);
    return readable;
}
