// SPDX-License-Identifier: MIT
// The browser's SDL streams are numbers into a table of its own, each with
// the name of a preloaded file; its image and sound loaders take them as
// they are, and decode only preloaded files by their name. So a game file,
// read and checked through the door like the desktop's (GameFile.h), is
// handed to them as a stream that names it: the preloaded files live in
// the page's memory, where nothing swaps them. For SDL_LoadWAV_RW, which
// the browser's SDL lacks, the file is read here through the C library,
// which finds the preloaded files at the same paths.
#include <SDL.h>
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/GameFile.h"

namespace {

int StreamNumber(SDL_RWops* stream) {
    return static_cast<int>(reinterpret_cast<intptr_t>(stream));
}

// The browser's SDL hands out the lowest free number, and number 0 reads as
// a null pointer, which the game takes for a file that cannot be opened. A
// stream that is never freed keeps the numbers above 0 for the real ones.
[[maybe_unused]] const int reservedStream = [] {
    static const char nothing = 0;
    return StreamNumber(SDL_RWFromConstMem(&nothing, 0));
}();

// A file opened here for a stream. The browser's SDL reuses a number once
// its stream is freed, by its own loaders too, which never tell us; each of
// its streams is marked with a serial of ours, so that a file opened for an
// earlier stream of the same number is never read for a later one.
struct OpenFile {
    int serial;
    std::FILE* file;
};

std::map<int, OpenFile>& OpenFiles() {
    static std::map<int, OpenFile> files;
    return files;
}

void Forget(std::map<int, OpenFile>::iterator entry) {
    std::fclose(entry->second.file);
    OpenFiles().erase(entry);
}

// The open file behind the stream, opened on first use; null for a stream
// over memory or a file that cannot be read.
std::FILE* FileOf(SDL_RWops* stream) {
    const int number = StreamNumber(stream);
    const int serial = EM_ASM_INT(
        {
            var stream = SDL.rwops[$0];
            if (!stream) {
                return 0;
            }
            if (!stream.corvanelSerial) {
                Module.corvanelStreams = (Module.corvanelStreams || 0) + 1;
                stream.corvanelSerial = Module.corvanelStreams;
            }
            return stream.corvanelSerial;
        },
        number);
    auto found = OpenFiles().find(number);
    if (found != OpenFiles().end()) {
        if (found->second.serial == serial) {
            return found->second.file;
        }
        Forget(found);
    }
    char* name = reinterpret_cast<char*>(EM_ASM_INT(
        {
            var stream = SDL.rwops[$0];
            return stream && stream.filename ? allocateUTF8(stream.filename) : 0;
        },
        number));
    if (!name) {
        return nullptr;
    }
    std::FILE* file = std::fopen(name, "rb");
    std::free(name);
    if (file) {
        OpenFiles()[number] = OpenFile{serial, file};
    }
    return file;
}

Uint16 Read16(const Uint8* bytes) {
    return static_cast<Uint16>(bytes[0] | bytes[1] << 8);
}

Uint32 Read32(const Uint8* bytes) {
    return static_cast<Uint32>(bytes[0]) | static_cast<Uint32>(bytes[1]) << 8 |
           static_cast<Uint32>(bytes[2]) << 16 | static_cast<Uint32>(bytes[3]) << 24;
}

}  // namespace

int BrowserStreamRead(SDL_RWops* stream, void* into, int size, int count) {
    std::FILE* file = FileOf(stream);
    if (!file || size <= 0 || count <= 0) {
        return 0;
    }
    return static_cast<int>(
        std::fread(into, static_cast<size_t>(size), static_cast<size_t>(count), file));
}

long BrowserStreamSeek(SDL_RWops* stream, long offset, int whence) {
    std::FILE* file = FileOf(stream);
    if (!file || std::fseek(file, offset, whence) != 0) {
        return -1;
    }
    return std::ftell(file);
}

int BrowserStreamClose(SDL_RWops* stream) {
    if (!stream) {
        return -1;
    }
    auto found = OpenFiles().find(StreamNumber(stream));
    if (found != OpenFiles().end()) {
        Forget(found);
    }
    SDL_FreeRW(stream);
    return 0;
}

SDL_RWops* GameFile::HandOver(std::unique_ptr<GameFile> file) {
    if (handingOver) {
        handingOver(file->Path().c_str());
    }
    return SDL_RWFromFile(file->Path().c_str(), "rb");
}

const char* GameFile::PathOf(const SDL_RWops*) {
    return nullptr;  // nothing in the browser asks
}

extern "C" {

// SDL's WAV reader for the plain PCM files the game plays: the format from
// the "fmt " chunk and the samples of the "data" chunk. Null, with SDL's
// error set, for anything else.
SDL_AudioSpec* SDL_LoadWAV_RW(SDL_RWops* stream, int freeStream, SDL_AudioSpec* audio,
                              Uint8** samples, Uint32* length) {
    SDL_AudioSpec* result = nullptr;
    Uint8 header[12];
    bool haveFormat = false;
    if (BrowserStreamRead(stream, header, 12, 1) == 1 && std::memcmp(header, "RIFF", 4) == 0 &&
        std::memcmp(header + 8, "WAVE", 4) == 0) {
        Uint8 chunk[8];
        while (!result && BrowserStreamRead(stream, chunk, 8, 1) == 1) {
            const Uint32 size = Read32(chunk + 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16 && size < 1024) {
                Uint8 fmt[1024];
                if (BrowserStreamRead(stream, fmt, static_cast<int>(size), 1) != 1 ||
                    Read16(fmt) != 1) {
                    break;  // unreadable, or compressed
                }
                *audio = SDL_AudioSpec{};
                audio->channels = static_cast<Uint8>(Read16(fmt + 2));
                audio->freq = static_cast<int>(Read32(fmt + 4));
                audio->format = Read16(fmt + 14) == 8 ? AUDIO_U8 : AUDIO_S16LSB;
                haveFormat = true;
            } else if (std::memcmp(chunk, "data", 4) == 0 && haveFormat && size < (1u << 30)) {
                auto* data = static_cast<Uint8*>(std::malloc(size ? size : 1));
                if (data && BrowserStreamRead(stream, data, 1, static_cast<int>(size)) ==
                                static_cast<int>(size)) {
                    *samples = data;
                    *length = size;
                    result = audio;
                } else {
                    std::free(data);
                    break;
                }
            } else if (BrowserStreamSeek(stream, static_cast<long>(size + (size & 1)),
                                         RW_SEEK_CUR) < 0) {
                break;
            }
        }
    }
    if (!result) {
        SDL_SetError("not a WAV file the game can play");
    }
    if (freeStream) {
        BrowserStreamClose(stream);
    }
    return result;
}

void SDL_FreeWAV(Uint8* samples) {
    std::free(samples);
}

}  // extern "C"
