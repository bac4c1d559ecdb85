// SPDX-License-Identifier: MIT
#include "platform/Trace.h"

#include <cstdarg>
#include <cstdio>

namespace {
TraceSink* sink = nullptr;
int subject = -1;
}  // namespace

namespace Trace {

void SetSink(TraceSink* newSink) {
    sink = newSink;
}

bool Enabled() {
    return sink != nullptr;
}

void SetSubject(int slot) {
    subject = slot;
}
int Subject() {
    return subject;
}

void Emit(const char* format, ...) {
    if (!sink) {
        return;
    }
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    sink->Line(line);
}

}  // namespace Trace
