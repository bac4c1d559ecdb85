#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include "tools/sim/VirtualPlatform.h"

TEST(FramePacer, SleepsTheRestOfAnEarlyFrameAndStartsTheNextFromWaking) {
    VirtualPlatform clock(1000);
    clock.Install();
    FramePacer pacer(1000, 13);
    EXPECT_EQ(pacer.NextDeadline(), 1013u);

    clock.Advance(5);  // the frame's work took 5 ms
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 1013u);  // slept the 8 ms left
    EXPECT_EQ(pacer.NextDeadline(), 1026u);

    // A frame that ends exactly on its deadline has overrun: no sleep.
    clock.Advance(13);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 1026u);
    EXPECT_EQ(pacer.NextDeadline(), 1039u);
}

TEST(FramePacer, NeverCatchesUpLostTime) {
    VirtualPlatform clock(2000);
    clock.Install();
    FramePacer pacer(2000, 13);

    clock.Advance(20);  // a 20 ms frame
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 2020u);  // no delay
    EXPECT_EQ(pacer.NextDeadline(), 2033u);

    // The following frame still gets its full period.
    clock.Advance(1);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 2033u);
}

TEST(FramePacer, DeadlineComparisonIsUnsignedAcrossTheClockWrap) {
    VirtualPlatform clock(0xFFFFFFF0u);
    clock.Install();
    FramePacer pacer(0xFFFFFFF0u, 13);
    clock.Advance(2);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 0xFFFFFFFDu);
    EXPECT_EQ(pacer.NextDeadline(), 0xFFFFFFFDu + 13u);  // wraps to 10
}
