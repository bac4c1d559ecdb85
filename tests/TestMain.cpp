// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless: with no display and no driver named, SDL 1.2 would fall back
    // to a text-terminal driver. Name both drivers before SDL starts.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
