// SPDX-License-Identifier: MIT
// corvanel-sim: runs the real game headless on virtual time.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "simulation/Pilots.h"
#include "simulation/Replay.h"
#include "simulation/Report.h"
#include "simulation/Simulation.h"

namespace {

const char Usage[] =
    "usage: corvanel-sim [options]\n"
    "  --hold KEY:FROM-TO      hold a key over frames FROM to TO of play\n"
    "  --press KEY:FRAME       press a key once at the start of a frame\n"
    "  --quit-at FRAME         press ESC at that frame\n"
    "  --max-frames N          press ESC at frame N if play still runs (40000)\n"
    "  --pilot NAME            idle, fire or auto (dodges, aims and wins)\n"
    "  --screenshot WHEN:FILE  WHEN is a frame number or title, gameover,\n"
    "                          newspaper or summary; FILE is a PNG\n"
    "  --shrink N              write screenshots N times smaller\n"
    "  --script FILE           lines: hold KEY FROM-TO, press KEY FRAME,\n"
    "                          quit FRAME, screenshot WHEN FILE, pilot NAME\n"
    "  --trace                 print the event trace as play goes\n"
    "  --plays N               play-throughs in a row (1)\n"
    "  --bench                 time every frame and print the benchmark\n"
    "  --window                run in a real window at real speed (watch the\n"
    "                          pilot fly, or fly yourself without --pilot)\n"
    "  --record FILE           record every clock reading, event and key state\n"
    "  --replay FILE           replay a recording headless; the run repeats\n"
    "Keys: G UP DOWN LEFT RIGHT ESCAPE RETURN SPACE or a letter.\n"
    "Exit status: 0; 1 when a recording or a screenshot could not be written\n"
    "or the run had to stop; 2 for a command line or script it cannot use.\n";

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "corvanel-sim: %s\n%s", message.c_str(), Usage);
    std::exit(2);
}

SDLKey ParseKey(const std::string& name) {
    const SDLKey key = KeyFromName(name);
    if (key == SDLK_UNKNOWN) {
        Fail("unknown key " + name);
    }
    return key;
}

int ParseNumber(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 100000000) {
        Fail("not a frame number: " + text);
    }
    return static_cast<int>(value);
}

// One instruction, from the command line or a script line.
void Apply(const std::string& what, const std::string& arg, const std::string& arg2,
           SimOptions& options) {
    if (what == "hold") {
        const size_t dash = arg2.find('-');
        if (dash == std::string::npos) {
            Fail("hold needs FROM-TO");
        }
        options.holds.push_back(
            {ParseKey(arg), ParseNumber(arg2.substr(0, dash)), ParseNumber(arg2.substr(dash + 1))});
    } else if (what == "press") {
        options.presses.push_back({ParseKey(arg), ParseNumber(arg2)});
    } else if (what == "quit") {
        options.presses.push_back({SDLK_ESCAPE, ParseNumber(arg)});
    } else if (what == "screenshot") {
        const bool named = !arg.empty() && !std::isdigit(static_cast<unsigned char>(arg[0]));
        options.screenshots.push_back({named ? 0 : ParseNumber(arg), named ? arg : "", arg2});
    } else if (what == "pilot") {
        options.pilot = MakePilot(arg);
        if (!options.pilot) {
            Fail("unknown pilot " + arg);
        }
    } else {
        Fail("unknown instruction " + what);
    }
}

// "KEY:REST" into its two halves.
std::pair<std::string, std::string> Split(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        Fail("expected A:B, got " + text);
    }
    return {text.substr(0, colon), text.substr(colon + 1)};
}

// Only a regular file: a folder or a device would read as an empty script
// (or one that never ends), a FIFO would wait for a writer.
void ReadScript(const std::string& path, SimOptions& options) {
    std::string script;
    if (!ReadRegularFile(path, &script)) {
        Fail("cannot read script " + path);
    }
    std::istringstream in(script);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string what, arg, arg2;
        words >> what >> arg >> arg2;
        if (what.empty() || what[0] == '#') {
            continue;
        }
        Apply(what, arg, arg2, options);
    }
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    bool bench = false;
    bool printTrace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                Fail(option + " needs a value");
            }
            return argv[++i];
        };
        if (option == "--hold" || option == "--press" || option == "--screenshot") {
            const auto parts = Split(value());
            Apply(option.substr(2), parts.first, parts.second, options);
        } else if (option == "--quit-at") {
            Apply("quit", value(), "", options);
        } else if (option == "--max-frames") {
            options.maxFrames = ParseNumber(value());
        } else if (option == "--pilot") {
            Apply("pilot", value(), "", options);
        } else if (option == "--script") {
            ReadScript(value(), options);
        } else if (option == "--shrink") {
            options.screenshotShrink = std::max(1, ParseNumber(value()));
        } else if (option == "--plays") {
            options.plays = ParseNumber(value());
        } else if (option == "--trace") {
            printTrace = true;
        } else if (option == "--bench") {
            bench = true;
        } else if (option == "--window") {
            options.window = true;
        } else if (option == "--record") {
            options.recordPath = value();
        } else if (option == "--replay") {
            options.replayPath = value();
        } else if (option == "--help" || option == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else {
            Fail("unknown option " + option);
        }
    }
    if (printTrace) {
        options.onTraceLine = [](const std::string& line) { std::puts(line.c_str()); };
    }
    options.timeFrames = bench;

    Simulation simulation(options);
    const SimResult result = simulation.Run();
    if (bench) {
        PrintBenchmark(stdout, result);
    } else {
        PrintSummary(stdout, result);
    }
    // Each file that could not be written has been named on standard error.
    return result.unwritten.empty() ? 0 : 1;
}
