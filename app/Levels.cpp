// SPDX-License-Identifier: MIT
#include "app/Levels.h"

namespace {

enum LevelRowIndex { Nuages1 = 0, Pluie1 = 1, Indust = 2, Lave = 3, Glace = 4 };

struct TimetableRow {
    Uint32 after;  // in LevelPeriodMs units
    BackgroundChoice choice;
};

// From the latest start down; the first row whose time has passed wins.
const TimetableRow Timetable[] = {
    {26, {Glace, 10}}, {21, {Pluie1, 10}}, {16, {Lave, 10}},  {12, {Pluie1, 10}}, {7, {Indust, 10}},
    {4, {Pluie1, 10}}, {3, {Nuages1, 10}}, {2, {Nuages1, 8}}, {1, {Nuages1, 6}},
};

}  // namespace

// The strips (kind 2) sit on the playfield with their bottom edge on the
// bottom of the screen.
const LevelRow LevelTable[LevelCount] = {
    {"Nuages1", "./Images/Panorama/Nuages1.png", 2, {138, -910, 364, 1390}},
    {"Pluie1", "./Images/Panorama/Pluie1.png", 0, {0, 0, 640, 480}},
    {"Indust", "./Images/Panorama/Indust.png", 2, {138, -70, 364, 550}},
    {"Lave", "./Images/Panorama/Lave.png", 0, {0, 0, 640, 480}},
    {"Glace", "./Images/Panorama/Glace.png", 0, {0, 0, 640, 480}},
};

BackgroundChoice ChooseBackground(Uint32 elapsed) {
    for (const TimetableRow& row : Timetable) {
        if (elapsed > row.after * LevelPeriodMs) {
            return row.choice;
        }
    }
    return {Nuages1, 4};
}
