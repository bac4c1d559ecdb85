// SPDX-License-Identifier: MIT
#include "gfx/Hud.h"

#include "tests/CallLog.h"
#include "tests/TestSupport.h"

// The frame over the whole screen, then at (0, 2) the gauge picture for the
// lives left: P1 for a new ship's 6, P7 when none are left or the count is
// out of range.
TEST(Hud, DrawsTheFrameThenTheGaugeOfTheLivesLeft) {
    TestScreen display(false);
    Hud hud(display.screen);
    const struct {
        int lives;
        const char* gauge;
    } gauges[] = {{7, "P7"}, {6, "P1"}, {5, "P2"}, {4, "P3"}, {3, "P4"},
                  {2, "P5"}, {1, "P6"}, {0, "P7"}, {-1, "P7"}};
    for (const auto& gauge : gauges) {
        CallLog log(CallLog::Blits);
        hud.Draw(gauge.lives);
        EXPECT_EQ(log.lines, (std::vector<std::string>{
                                 "blit ./Images/Panorama/Contour.png 0,0",
                                 std::string("blit ./Images/Jauge/") + gauge.gauge + ".png 0,2"}))
            << gauge.lives << " lives";
    }
}
