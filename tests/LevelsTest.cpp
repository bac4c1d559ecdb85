// SPDX-License-Identifier: MIT
#include "app/Levels.h"

#include <gtest/gtest.h>

namespace {
constexpr int Nuages1 = 0, Pluie1 = 1, Indust = 2, Lave = 3, Glace = 4;
}

TEST(BackgroundTimetable, BoundariesBelongToTheEarlierRow) {
    struct Case {
        Uint32 elapsed;
        int row;
        int speed;
    };
    const Case cases[] = {
        {0, Nuages1, 4},      {8750, Nuages1, 4},  {8751, Nuages1, 6},       {17500, Nuages1, 6},
        {17501, Nuages1, 8},  {26250, Nuages1, 8}, {26251, Nuages1, 10},     {35000, Nuages1, 10},
        {35001, Pluie1, 10},  {61250, Pluie1, 10}, {61251, Indust, 10},      {105000, Indust, 10},
        {105001, Pluie1, 10}, {140001, Lave, 10},  {183750, Lave, 10},       {183751, Pluie1, 10},
        {227500, Pluie1, 10}, {227501, Glace, 10}, {4000000000u, Glace, 10},
    };
    for (const Case& c : cases) {
        const BackgroundChoice choice = ChooseBackground(c.elapsed);
        EXPECT_EQ(choice.row, c.row) << c.elapsed;
        EXPECT_EQ(choice.speed, c.speed) << c.elapsed;
    }
}
