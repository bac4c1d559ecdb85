// SPDX-License-Identifier: MIT
#include "gfx/Random.h"

#include <cstdlib>

int RandomBelow(int n) {
    return std::rand() % n;
}
