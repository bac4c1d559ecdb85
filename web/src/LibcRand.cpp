// SPDX-License-Identifier: MIT
// The C library's rand and srand for the browser build, in place of its own:
// GNU libc's sequence, so that the schedule, which draws from rand and never
// seeds it, puts every enemy where a Linux build puts it.
#include <cstdlib>

#include "platform/GlibcRandom.h"

extern "C" {

int rand(void) {
    return SharedGlibcRandom().Next();
}

void srand(unsigned seed) {
    SharedGlibcRandom().Seed(seed);
}

}  // extern "C"
