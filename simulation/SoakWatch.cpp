// SPDX-License-Identifier: MIT
#include "simulation/SoakWatch.h"

#include <unistd.h>

#include <algorithm>

#include "simulation/Report.h"

namespace {

// Once memory has settled (allocator pools, the mixer), it must stay within
// this much of where it was.
constexpr long MemorySlackKiB = 1024;
// The frame work of the last minutes against that of the first ones after
// settling: a loose bound, since the wall clock of a shared machine wobbles.
constexpr double DriftFactor = 1.5;

double MedianOf(const std::vector<SoakMinute>& minutes, size_t from, size_t count) {
    std::vector<double> medians;
    for (size_t i = from; i < from + count && i < minutes.size(); ++i) {
        medians.push_back(minutes[i].medianFrameMs);
    }
    return Summarise(medians).median;
}

}  // namespace

long ResidentKiB() {
    long pages = 0;
    long resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) {
        return 0;
    }
    const bool read = std::fscanf(statm, "%ld %ld", &pages, &resident) == 2;
    std::fclose(statm);
    return read ? resident * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void SoakWatch::Frame(int shotsAlive, double workMs) {
    mostShots = std::max(mostShots, shotsAlive);
    frameMs.push_back(workMs);
}

void SoakWatch::EndMinute() {
    SoakMinute minute;
    minute.mostShots = mostShots;
    minute.residentKiB = ResidentKiB();
    minute.medianFrameMs = Summarise(frameMs).median;
    minutes.push_back(minute);
    frameMs.clear();
    mostShots = 0;
}

bool SoakWatch::Report(std::FILE* out, int shotCapacity) const {
    std::fprintf(out, "%8s %12s %12s %16s\n", "minute", "most shots", "memory KiB",
                 "median frame ms");
    for (size_t i = 0; i < minutes.size(); ++i) {
        if (i % 5 == 0 || i + 1 == minutes.size()) {
            const SoakMinute& m = minutes[i];
            std::fprintf(out, "%8zu %12d %12ld %16.3f\n", i + 1, m.mostShots, m.residentKiB,
                         m.medianFrameMs);
        }
    }
    if (minutes.size() < static_cast<size_t>(MinimumMinutes)) {
        std::fprintf(out, "too short to judge: %zu minutes\n", minutes.size());
        return false;
    }
    int mostShots = 0;
    for (const SoakMinute& m : minutes) {
        mostShots = std::max(mostShots, m.mostShots);
    }
    const long settled = minutes[SettlingMinutes - 1].residentKiB;
    const long last = minutes.back().residentKiB;
    const double early = MedianOf(minutes, SettlingMinutes, ComparedMinutes);
    const double late = MedianOf(minutes, minutes.size() - ComparedMinutes, ComparedMinutes);
    const bool shotsBounded = mostShots <= shotCapacity;
    const bool memoryFlat = last - settled <= MemorySlackKiB;
    const bool noDrift = late <= early * DriftFactor;
    std::fprintf(out, "live shots: at most %d of %d slots: %s\n", mostShots, shotCapacity,
                 shotsBounded ? "bounded" : "OVER");
    std::fprintf(out, "memory: %ld KiB after minute %d, %ld KiB at the end (%+ld): %s\n", settled,
                 SettlingMinutes, last, last - settled, memoryFlat ? "flat" : "GROWING");
    std::fprintf(out, "frame work: median %.3f ms early, %.3f ms late: %s\n", early, late,
                 noDrift ? "no drift" : "DRIFTING");
    return shotsBounded && memoryFlat && noDrift;
}
