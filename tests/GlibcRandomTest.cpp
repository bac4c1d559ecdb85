// SPDX-License-Identifier: MIT
// The browser build draws its random numbers from our copy of GNU libc's
// generator, so that every enemy enters where it does on Linux. The copy must
// give GNU's numbers from the never-seeded start and from any seed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/GlibcRandom.h"

// GNU libc's first three numbers without srand, as every C program on Linux
// draws them; where the C library is GNU's own, the copy also follows it
// number for number, past many turns of the 31-word table, from a seed of 0
// (which counts as 1) and from seeds at the edges of the 16807 step.
TEST(GlibcRandomTest, GivesGnuNumbersFromTheStartAndFromEverySeed) {
    GlibcRandom fresh;
    for (int expected : {1804289383, 846930886, 1681692777}) {
        EXPECT_EQ(fresh.Next(), expected);
    }
#ifdef __GLIBC__
    for (unsigned seed : {0u, 1u, 2u, 127773u, 2147483647u, 2147483648u, 4294967295u}) {
        std::srand(seed);
        GlibcRandom random;
        random.Seed(seed);
        for (int i = 0; i < 5000; ++i) {
            ASSERT_EQ(std::rand(), random.Next()) << "seed " << seed << ", number " << i;
        }
    }
    std::srand(1);  // where a fresh program finds the C library's generator
#endif
}
