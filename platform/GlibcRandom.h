// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The standard generator exactly as GNU libc runs it: the additive feedback
// generator with a 31-word state that rand() and srand() drive there. Other C
// libraries (the browser build's among them) have generators of their own,
// so enemies would enter at other places; with this one every run of the
// game draws the numbers a Linux build draws, whatever the C library.
class GlibcRandom {
public:
    // The state that GNU libc starts with, as if seeded with 1.
    GlibcRandom() { Seed(1); }

    // As srand(seed); a seed of 0 counts as 1, as it does there.
    void Seed(std::uint32_t seed);
    // As rand(): a number from 0 to 2147483647.
    int Next();

private:
    static constexpr int Degree = 31;
    static constexpr int Separation = 3;
    std::int32_t table[Degree] = {};
    int front = Separation;
    int rear = 0;
};

// The one generator behind the game's rand() where the C library's own is
// not GNU's.
GlibcRandom& SharedGlibcRandom();
