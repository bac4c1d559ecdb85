// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <vector>

#include "simulation/Simulation.h"

// Median, 99th percentile and worst of a set of frame times, in ms.
struct FrameStats {
    size_t frames = 0;
    double median = 0;
    double p99 = 0;
    double worst = 0;
};
FrameStats Summarise(std::vector<double> workMs);

// What happened in each play-through, and how fast the simulation ran.
void PrintSummary(std::FILE* out, const SimResult& result);
// The benchmark table: frame work per stretch of the timeline, set-up time,
// peak memory and speed.
void PrintBenchmark(std::FILE* out, const SimResult& result);

const char* EndingName(PlayEnding ending);
