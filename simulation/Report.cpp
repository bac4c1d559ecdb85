// SPDX-License-Identifier: MIT
#include "simulation/Report.h"

#include <algorithm>
#include <map>
#include <string>

#include "simulation/LinkedSdl.h"

const char* EndingName(PlayEnding ending) {
    switch (ending) {
        case PlayEnding::Victory:
            return "victory";
        case PlayEnding::GameOver:
            return "game over";
        case PlayEnding::Quit:
            break;
    }
    return "quit";
}

FrameStats Summarise(std::vector<double> workMs) {
    FrameStats stats;
    stats.frames = workMs.size();
    if (workMs.empty()) {
        return stats;
    }
    std::sort(workMs.begin(), workMs.end());
    const auto at = [&](double fraction) {
        const size_t index = static_cast<size_t>(fraction * static_cast<double>(workMs.size() - 1));
        return workMs[index];
    };
    stats.median = at(0.5);
    stats.p99 = at(0.99);
    stats.worst = workMs.back();
    return stats;
}

void PrintSummary(std::FILE* out, const SimResult& result) {
    for (size_t i = 0; i < result.plays.size(); ++i) {
        const PlayResult& play = result.plays[i];
        std::fprintf(out, "play %zu: %s after %d frames (%.1f s of play), score %d, lives %d\n",
                     i + 1, EndingName(play.ending), play.frames, play.playMs / 1000.0, play.score,
                     play.lives);
    }
    const double virtualSeconds = result.virtualMs / 1000.0;
    std::fprintf(out, "simulated %.1f s in %.2f s of wall time (%.0fx real time)\n", virtualSeconds,
                 result.wallSeconds,
                 result.wallSeconds > 0 ? virtualSeconds / result.wallSeconds : 0.0);
    std::fprintf(out, "ran on %s\n", DescribeLinkedSdl().c_str());
}

void PrintBenchmark(std::FILE* out, const SimResult& result) {
    // Stretches in the order they first appear on the timeline.
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> byStretch;
    std::vector<double> all;
    for (const FrameTiming& timing : result.frameTimes) {
        if (!byStretch.count(timing.stretch)) {
            order.push_back(timing.stretch);
        }
        byStretch[timing.stretch].push_back(timing.workMs);
        all.push_back(timing.workMs);
    }
    std::fprintf(out, "%-34s %7s %9s %9s %9s\n", "stretch", "frames", "median", "p99", "worst");
    const auto row = [&](const std::string& name, const std::vector<double>& times) {
        const FrameStats stats = Summarise(times);
        std::fprintf(out, "%-34s %7zu %6.3f ms %6.3f ms %6.3f ms\n", name.c_str(), stats.frames,
                     stats.median, stats.p99, stats.worst);
    };
    for (const std::string& stretch : order) {
        row(stretch.empty() ? "(start)" : stretch, byStretch[stretch]);
    }
    row("whole play-through", all);
    for (size_t i = 0; i < result.plays.size(); ++i) {
        std::fprintf(out, "set-up of play %zu: %.1f ms\n", i + 1, result.plays[i].setupMs);
    }
    std::fprintf(out, "peak memory: %.1f MiB\n", result.peakMemoryKiB / 1024.0);
    PrintSummary(out, result);
}
