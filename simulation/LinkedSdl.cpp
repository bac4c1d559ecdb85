// SPDX-License-Identifier: MIT
#include "simulation/LinkedSdl.h"

#include <SDL.h>

#include <cstdio>

namespace {

// The first release of the SDL2-based library.
constexpr int FirstCompatibilityPatch = 50;

}  // namespace

LinkedSdl FindLinkedSdl() {
    const SDL_version* version = SDL_Linked_Version();
    LinkedSdl linked;
    linked.major = version->major;
    linked.minor = version->minor;
    linked.patch = version->patch;
    linked.compatibility =
        version->major == 1 && version->minor == 2 && version->patch >= FirstCompatibilityPatch;
    return linked;
}

std::string DescribeLinkedSdl() {
    const LinkedSdl linked = FindLinkedSdl();
    // Anything else, such as the browser's stand-in (it says 1.3.0), goes by
    // its number alone.
    const bool classic = linked.major == 1 && linked.minor == 2 && !linked.compatibility;
    const char* kind = linked.compatibility ? "compatibility " : classic ? "classic " : "";
    char text[96];
    std::snprintf(text, sizeof text, "%sSDL %d.%d.%d%s", kind, linked.major, linked.minor,
                  linked.patch, linked.compatibility ? " (SDL2-based)" : "");
    return text;
}
