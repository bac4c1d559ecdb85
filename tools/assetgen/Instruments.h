// SPDX-License-Identifier: MIT
#pragma once
// The instruments of the two music tracks. Each renders one note, mono: its
// pitch in hertz (drums ignore it), how long it is held and how hard it is
// played (0 to 1); the returned sound includes the release.

#include <cstdint>

#include "AudioBuffer.h"

struct NoteSound {
    double hertz;
    double seconds;
    double velocity;
    std::uint64_t seed;  // for the noise of drums and breath
};

MonoBuffer LeadSynth(const NoteSound& note);  // singing pulse lead with vibrato
MonoBuffer SawLead(const NoteSound& note);    // harder, brassier lead for the boss track
MonoBuffer Bass(const NoteSound& note);       // plucky filtered saw bass
MonoBuffer Pad(const NoteSound& note);        // soft, slow string pad
MonoBuffer Pluck(const NoteSound& note);      // short square pluck for arpeggios
MonoBuffer Kick(const NoteSound& note);
MonoBuffer Snare(const NoteSound& note);
MonoBuffer ClosedHat(const NoteSound& note);
MonoBuffer OpenHat(const NoteSound& note);
MonoBuffer Crash(const NoteSound& note);
MonoBuffer Tom(const NoteSound& note);
