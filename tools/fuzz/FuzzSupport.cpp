// SPDX-License-Identifier: MIT
#include "tools/fuzz/FuzzSupport.h"

#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

void OpenHeadlessDisplay(bool withAudio) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE)) {
        std::fprintf(stderr, "fuzz: no display: %s\n", SDL_GetError());
        std::exit(1);
    }
    if (withAudio && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        std::fprintf(stderr, "fuzz: no audio: %s\n", SDL_GetError());
        std::exit(1);
    }
}

ScratchFile::ScratchFile(const char* extension) {
    const char* folder = std::getenv("TMPDIR");
    path = std::string(folder && *folder ? folder : "/tmp") + "/corvanel-fuzz-" +
           std::to_string(getpid()) + extension;
}

ScratchFile::~ScratchFile() {
    std::remove(path.c_str());
}

const char* ScratchFile::Write(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return path.c_str();
}
