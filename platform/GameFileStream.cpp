// SPDX-License-Identifier: MIT
// The desktop's decoders read a checked file from its bytes in memory,
// through a read-only stream that owns them and knows their path.
#include <SDL.h>

#include <cstring>
#include <memory>

#include "platform/GameFile.h"

namespace {

struct Reading {
    std::unique_ptr<GameFile> file;
    long at = 0;
};

Reading* ReadingOf(const SDL_RWops* stream) {
    return static_cast<Reading*>(stream->hidden.unknown.data1);
}

int Seek(SDL_RWops* stream, int offset, int whence) {
    Reading* reading = ReadingOf(stream);
    const long size = static_cast<long>(reading->file->Size());
    const long from = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? reading->at : size;
    const long to = from + offset;
    if (to < 0 || to > size) {
        SDL_SetError("a seek outside the file");
        return -1;
    }
    reading->at = to;
    return static_cast<int>(to);
}

int Read(SDL_RWops* stream, void* into, int size, int count) {
    Reading* reading = ReadingOf(stream);
    if (size <= 0 || count <= 0) {
        return 0;
    }
    const long left = static_cast<long>(reading->file->Size()) - reading->at;
    const long whole = left / size < count ? left / size : count;
    std::memcpy(into, reading->file->Bytes() + reading->at, static_cast<size_t>(whole * size));
    reading->at += whole * size;
    return static_cast<int>(whole);
}

int Write(SDL_RWops*, const void*, int, int) {
    SDL_SetError("a game file is only read");
    return -1;
}

int Close(SDL_RWops* stream) {
    delete ReadingOf(stream);
    SDL_FreeRW(stream);
    return 0;
}

}  // namespace

SDL_RWops* GameFile::HandOver(std::unique_ptr<GameFile> file) {
    if (handingOver) {
        handingOver(file->Path().c_str());
    }
    SDL_RWops* stream = SDL_AllocRW();
    if (!stream) {
        return nullptr;
    }
    stream->seek = Seek;
    stream->read = Read;
    stream->write = Write;
    stream->close = Close;
    stream->hidden.unknown.data1 = new Reading{std::move(file)};
    return stream;
}

const char* GameFile::PathOf(const SDL_RWops* stream) {
    return stream && stream->close == Close ? ReadingOf(stream)->file->Path().c_str() : nullptr;
}
