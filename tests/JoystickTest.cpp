// SPDX-License-Identifier: MIT
#include "app/Joystick.h"

#include <gtest/gtest.h>

TEST(Joystick, TheDeadZoneIncludesItsEdges) {
    JoystickState state = {1, 1, 1, 1, 1};
    Joystick::Interpret(3200, -3200, false, &state);
    EXPECT_EQ(state.left + state.right + state.up + state.down + state.fire, 0);

    Joystick::Interpret(3201, -3201, true, &state);
    EXPECT_EQ(state.right, 1);
    EXPECT_EQ(state.left, 0);
    EXPECT_EQ(state.up, 1);
    EXPECT_EQ(state.down, 0);
    EXPECT_EQ(state.fire, 1);

    Joystick::Interpret(-32768, 32767, false, &state);
    EXPECT_EQ(state.left, 1);
    EXPECT_EQ(state.right, 0);
    EXPECT_EQ(state.down, 1);
    EXPECT_EQ(state.up, 0);
    EXPECT_EQ(state.fire, 0);
}

// SDL 1.2 cannot make a joystick without a device node, so a stick with too
// few buttons cannot be plugged in here: the rule that leaves one unread is
// tested on its own.
TEST(Joystick, AStickWithFewerThanFourButtonsIsNeverRead) {
    EXPECT_FALSE(Joystick::HasEnoughButtons(3));
    EXPECT_TRUE(Joystick::HasEnoughButtons(4));
}

TEST(Joystick, WithoutAStickTheRecordIsClearedAndNeverRead) {
    SDL_Init(SDL_INIT_JOYSTICK);
    Joystick first;
    JoystickState* state = first.Read();
    // A stick that was held when it went away must not fly the ship on.
    state->left = 1;
    state->fire = 1;
    Joystick second;  // the dummy platform has no joystick
    EXPECT_EQ(second.Read(), state);
    EXPECT_EQ(state->left, 0);
    EXPECT_EQ(state->fire, 0);
    SDL_Quit();
}
