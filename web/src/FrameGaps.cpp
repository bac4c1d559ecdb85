// SPDX-License-Identifier: MIT
#include "web/src/FrameGaps.h"

namespace {

constexpr double OneRefreshMs = 16.7;
constexpr double TwoRefreshesMs = 33.0;

}  // namespace

void FrameGaps::Add(double gapMs) {
    ++frames;
    totalMs += gapMs;
    if (gapMs > worstMs) {
        worstMs = gapMs;
    }
    over16 += gapMs > OneRefreshMs ? 1 : 0;
    over33 += gapMs > TwoRefreshesMs ? 1 : 0;
}

double FrameGaps::PerSecond() const {
    return totalMs > 0 ? frames / Seconds() : 0;
}

void FrameGaps::Print(std::FILE* out) const {
    std::fprintf(out,
                 "real speed: %d frames in %.1f s, %.2f frames a second; a minute %.1f frames "
                 "over 16.7 ms and %.1f over 33 ms; worst frame %.1f ms\n",
                 frames, Seconds(), PerSecond(), OverOneRefreshPerMinute(),
                 OverTwoRefreshesPerMinute(), worstMs);
}
