// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <vector>

// What the soak watches, minute by minute of the final boss fight: the most
// shots alive at once, the process's resident memory at the minute's end,
// and the median work of the game's frames (wall time between two frames,
// less the pilot's own decisions).
struct SoakMinute {
    int mostShots = 0;
    long residentKiB = 0;
    double medianFrameMs = 0;
};

class SoakWatch {
public:
    // Memory may still settle in the first minutes; the frame work of the
    // last minutes is compared with that of the first ones after settling,
    // so a fight of fewer minutes than the minimum cannot be judged.
    static constexpr int SettlingMinutes = 5;
    static constexpr int ComparedMinutes = 5;
    static constexpr int MinimumMinutes = SettlingMinutes + ComparedMinutes + 1;

    // One frame of the fight: shots alive now and the frame's work.
    void Frame(int shotsAlive, double workMs);
    // Closes the current minute.
    void EndMinute();

    const std::vector<SoakMinute>& Minutes() const { return minutes; }

    // Prints one line every few minutes and the verdict; true when live shots
    // stayed within the shooters' pools, memory stopped growing after the
    // first minutes and the frame work did not drift.
    bool Report(std::FILE* out, int shotCapacity) const;

private:
    std::vector<SoakMinute> minutes;
    std::vector<double> frameMs;  // this minute's, reused
    int mostShots = 0;
};

// The process's resident memory now, in KiB; 0 when it cannot be read.
long ResidentKiB();
