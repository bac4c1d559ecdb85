// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Which SDL 1.2 the running program has loaded. The classic library's line
// ended at 1.2.15; the SDL2-based compatibility library (sdl12-compat),
// which newer distributions ship as libSDL-1.2.so.0 in its place, numbers
// its releases from 1.2.50 up.
struct LinkedSdl {
    int major = 0;
    int minor = 0;
    int patch = 0;
    bool compatibility = false;
};

LinkedSdl FindLinkedSdl();

// "classic SDL 1.2.15", "compatibility SDL 1.2.60 (SDL2-based)", or the
// number alone for any other library ("SDL 1.3.0" in the browser).
std::string DescribeLinkedSdl();
