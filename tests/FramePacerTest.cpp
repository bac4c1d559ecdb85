// SPDX-License-Identifier: MIT
#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include "simulation/VirtualPlatform.h"

// The wrap of the clock is tested with the rest of the game's arithmetic.
TEST(FramePacer, SleepsTheRestOfAnEarlyFrameAndNeverCatchesUpLostTime) {
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

    // A 20 ms frame: no sleep, and the next frame counts from its end.
    clock.Advance(20);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 1046u);
    EXPECT_EQ(pacer.NextDeadline(), 1059u);
    clock.Advance(1);
    pacer.Wait(clock.GetTicks());
    EXPECT_EQ(clock.GetTicks(), 1059u);
}
