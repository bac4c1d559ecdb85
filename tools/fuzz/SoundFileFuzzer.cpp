// SPDX-License-Identifier: MIT
// Fuzzes the reading of sound files through the game's own loaders: the
// bytes are read as a sound effect (a .wav path, decoded whole) and as a
// music track (an .ogg path). A file that cannot be read stays silent.
#include <cstdint>

#include "gfx/Sound.h"
#include "tools/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    OpenHeadlessDisplay(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile wav(".wav");
    static ScratchFile ogg(".ogg");
    ChunkPtr chunk = LoadSound(wav.Write(data, size));
    MusicPtr music = LoadMusic(ogg.Write(data, size));
    return 0;
}
