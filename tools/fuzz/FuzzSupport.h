// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target needs around the game's code: SDL with its dummy
// drivers, and a file to hand the fuzzer's bytes to the game's loaders.

// Opens the 640 x 480, 32-bit display that the loaders convert to, once per
// process, and the mixer with it when asked; stops the process if SDL
// cannot start, since then nothing would be fuzzed.
void OpenHeadlessDisplay(bool withAudio);

// A file of this process's own under the scratch folder ($TMPDIR, else /tmp),
// with the given extension, removed again when it goes.
class ScratchFile {
public:
    explicit ScratchFile(const char* extension);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's contents with the bytes; returns its path.
    const char* Write(const std::uint8_t* data, std::size_t size);

private:
    std::string path;
};
