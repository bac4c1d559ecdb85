// SPDX-License-Identifier: MIT
#include "platform/GlibcRandom.h"

void GlibcRandom::Seed(std::uint32_t seed) {
    if (seed == 0) {
        seed = 1;
    }
    // The table is filled by a linear congruential step (16807 modulo
    // 2^31 - 1, with Schrage's split so that nothing overflows) ...
    table[0] = static_cast<std::int32_t>(seed);
    std::int32_t word = table[0];
    for (int i = 1; i < Degree; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) {
            word += 2147483647;
        }
        table[i] = word;
    }
    front = Separation;
    rear = 0;
    // ... and the first ten rounds of the table are thrown away.
    for (int i = 0; i < 10 * Degree; ++i) {
        Next();
    }
}

int GlibcRandom::Next() {
    // Two words of the table summed with wrap-around; the top 31 bits of the
    // sum are the result.
    const std::uint32_t sum =
        static_cast<std::uint32_t>(table[front]) + static_cast<std::uint32_t>(table[rear]);
    table[front] = static_cast<std::int32_t>(sum);
    const int result = static_cast<int>(sum >> 1);
    if (++front >= Degree) {
        front = 0;
        ++rear;
    } else if (++rear >= Degree) {
        rear = 0;
    }
    return result;
}

GlibcRandom& SharedGlibcRandom() {
    static GlibcRandom shared;
    return shared;
}
