// SPDX-License-Identifier: MIT
// The browser build draws its random numbers from our copy of GNU libc's
// generator, so that every enemy enters where it does on Linux. The copy must
// give GNU's numbers from the never-seeded start and from any seed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/GlibcRandom.h"

namespace {

TEST(GlibcRandomTest, NeverSeededStartGivesGnuFirstNumbers) {
    GlibcRandom random;
    // GNU libc's first three numbers without srand, as every C program on
    // Linux draws them.
    EXPECT_EQ(1804289383, random.Next());
    EXPECT_EQ(846930886, random.Next());
    EXPECT_EQ(1681692777, random.Next());
}

TEST(GlibcRandomTest, SeedZeroCountsAsOne) {
    GlibcRandom zero;
    zero.Seed(0);
    GlibcRandom one;
    one.Seed(1);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(one.Next(), zero.Next()) << "number " << i;
    }
}

#ifdef __GLIBC__
// Here the C library is GNU's own: the copy follows it number for number,
// past many turns of the 31-word table and from seeds at the edges of the
// 16807 step.
TEST(GlibcRandomTest, FollowsTheCLibraryFromEverySeed) {
    const unsigned seeds[] = {1u, 0u, 2u, 127773u, 2147483647u, 2147483648u, 4294967295u};
    for (unsigned seed : seeds) {
        std::srand(seed);
        GlibcRandom random;
        random.Seed(seed);
        for (int i = 0; i < 5000; ++i) {
            ASSERT_EQ(std::rand(), random.Next()) << "seed " << seed << ", number " << i;
        }
    }
    // Leave the C library's generator where a fresh program finds it.
    std::srand(1);
}
#endif

}  // namespace
