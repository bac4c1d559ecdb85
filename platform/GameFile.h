// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

// No file of the game comes near this; a bigger one in a picture's or a
// sound's place is refused before a byte of it is read.
constexpr long LargestGameFile = 64L << 20;

// Every picture, sound and track the game reads comes in through here, once
// for each load: the path is opened once, without waiting (a FIFO would
// wait for a writer for ever), looked at through that same descriptor (a
// regular file of at most LargestGameFile bytes) and read whole through it.
// Its header is then checked in these bytes, and these bytes are what the
// decoder reads: whatever happens to the path meanwhile, what was checked is
// what is decoded.
class GameFile {
public:
    // The file's bytes, or null, with SDL's error set to the reason (the
    // system's own words, such as "No such file or directory", "not a
    // regular file", or a size beyond LargestGameFile).
    static std::unique_ptr<GameFile> Open(const char* path);

    const std::string& Path() const { return path; }
    const Uint8* Bytes() const { return bytes.data(); }
    size_t Size() const { return bytes.size(); }

    // A stream for a decoder over the checked bytes, which it owns from
    // then on: closing it frees them. On the desktop a stream over memory
    // (GameFileStream.cpp); the browser's loaders take a stream that names
    // its preloaded file instead (web/src/BrowserStreams.cpp). Null when no
    // stream can be made.
    static SDL_RWops* HandOver(std::unique_ptr<GameFile> file);

    // The path of a file handed over as that stream, or null for any other
    // stream: what the tests' call log names a picture or a sound by.
    static const char* PathOf(const SDL_RWops* stream);

    // Told the path of each file as it is handed over, after its check and
    // before its decoding; tests swap the file there.
    static void (*handingOver)(const char* path);

private:
    explicit GameFile(const char* path) : path(path) {}

    std::string path;
    std::vector<Uint8> bytes;
};
