// SPDX-License-Identifier: MIT
// The arithmetic the game relies on, where it wraps or nearly overflows: the
// 16-bit positions, the millisecond clock's wraps
// (a game left running reaches them; the schedule's are with its test) and
// counts that must not run past int.
// Each case is one that can actually happen; the sanitizer build turns any
// undefined step in them into a failure.
#include <climits>

#include "app/FramePacer.h"
#include "gfx/Ticks.h"
#include "tests/TestSupport.h"

TEST(Arithmetic, PositionsWrapAtSixteenBitsBothWays) {
    Rect r = MakeRect(32767, -32768, 10, 10);
    MoveRect(r, 1, -1);
    EXPECT_EQ(r.x, -32768);
    EXPECT_EQ(r.y, 32767);
    MoveRect(r, -1, 1);
    EXPECT_EQ(r.x, 32767);
    EXPECT_EQ(r.y, -32768);
    EXPECT_EQ(Wrap16(65536 + 5), 5);
    EXPECT_EQ(Wrap16(INT_MIN), 0);
    EXPECT_EQ(Wrap16(INT_MAX), -1);
}

TEST(Arithmetic, ClockReadingsCompareByDistanceAcrossBothWraps) {
    EXPECT_TRUE(HasReached(5, 0xFFFFFFF0u));
    EXPECT_FALSE(HasReached(0xFFFFFFF0u, 5));
    EXPECT_TRUE(HasReached(0x80000010u, 0x7FFFFFF0u));
    EXPECT_FALSE(HasReached(0x7FFFFFF0u, 0x80000010u));
    EXPECT_EQ(TicksSince(5, 0xFFFFFFF0u), 21u);
    // An appear time read back from its signed form compares the same way.
    EXPECT_FALSE(HasReached(0x7FFFFFF0u, UnsignedTicks(SignedTicks(0x80000010u))));
}

TEST(Arithmetic, AFrameEndingJustPastTheWrapHasOverrunAndDoesNotSleep) {
    VirtualPlatform clock(0xFFFFFFF0u);
    clock.Install();
    FramePacer pacer(0xFFFFFFF0u, 13);  // due at 0xFFFFFFFD
    clock.Advance(20);                  // the frame ends at 4, past its deadline
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 4u);  // not 49 days later
    EXPECT_EQ(pacer.NextDeadline(), 17u);

    // And one that ends before a deadline beyond the wrap sleeps the rest.
    clock.Advance(10);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 17u);
}
