// SPDX-License-Identifier: MIT
#include "tools/sim/LinkedSdl.h"

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
    char text[96];
    std::snprintf(text, sizeof text, "%s SDL %d.%d.%d%s",
                  linked.compatibility ? "compatibility" : "classic", linked.major, linked.minor,
                  linked.patch, linked.compatibility ? " (SDL2-based)" : "");
    return text;
}
