// SPDX-License-Identifier: MIT
#pragma once

// The event trace: one plain line per notable moment of play (a shot fired,
// a life lost, an enemy entering, a kill). The game only says what happened;
// whoever installed the sink (the simulator, a test) adds the frame and the
// time. Without a sink nothing is formatted and nothing is written.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Line(const char* text) = 0;
};

namespace Trace {

void SetSink(TraceSink* sink);
bool Enabled();
void Emit(const char* format, ...);

// The enemy slot the Game is working on, so that an enemy's own lines can
// say which one they are about.
void SetSubject(int slot);
int Subject();

}  // namespace Trace

// Formats only when somebody listens, so a trace line costs one test in the
// game's own runs.
#define TRACE(...)                    \
    do {                              \
        if (Trace::Enabled()) {       \
            Trace::Emit(__VA_ARGS__); \
        }                             \
    } while (false)
