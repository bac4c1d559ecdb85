// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// How evenly frames follow one another at real speed: the time from the top
// of each frame to the top of the next, as a player sees the picture move.
// The design's 13 ms period gives 76.9 frames a second; a gap over 16.7 ms
// misses a 60 Hz screen refresh, one over 33 ms two or more.
class FrameGaps {
public:
    void Add(double gapMs);

    int Frames() const { return frames; }
    double Seconds() const { return totalMs / 1000.0; }
    double PerSecond() const;
    // Gaps over 16.7 ms, and over 33 ms, per minute of the gaps' total.
    double OverOneRefreshPerMinute() const { return PerMinute(over16); }
    double OverTwoRefreshesPerMinute() const { return PerMinute(over33); }
    double WorstMs() const { return worstMs; }

    // One line: frames a second, long gaps a minute, the worst gap.
    void Print(std::FILE* out) const;

private:
    double PerMinute(int count) const { return totalMs > 0 ? count * 60000.0 / totalMs : 0; }

    int frames = 0;
    double totalMs = 0;
    double worstMs = 0;
    int over16 = 0;
    int over33 = 0;
};
