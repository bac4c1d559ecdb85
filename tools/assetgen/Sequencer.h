// SPDX-License-Identifier: MIT
#pragma once
// Writing music down and playing it: a small step notation for melodies,
// bass lines and drums, and a mixer that renders the notes with the
// instruments onto stereo buses, with echo, reverb and a final master.

#include <string>
#include <vector>

#include "AudioBuffer.h"
#include "Instruments.h"

struct Note {
    double beat;   // when it starts
    double beats;  // how long it is held
    int pitch;     // MIDI note number (60 is middle C)
    double velocity;
};

// One token per step, separated by spaces: a note name with its octave
// ("a4", "c#5", "eb3") starts a note, "-" holds the note before one step
// longer, "." is a rest; "|" marks bars for the reader and takes no time.
std::vector<Note> ParseNotes(const std::string& steps, double startBeat, double stepBeats,
                             double velocity = 1.0);
// One character per step: "x" a hit, "o" a soft one, "." none; spaces and
// "|" take no time.
std::vector<Note> ParseHits(const std::string& steps, double startBeat, double stepBeats);
// MIDI number of a note name such as "c#5"; -1 when it is not one.
int PitchOf(const std::string& name);

using Instrument = MonoBuffer (*)(const NoteSound&);

class Mixer {
public:
    Mixer(double beatsPerMinute, double beats, double tailSeconds);

    double Seconds(double beat) const { return beat * secondsPerBeat_; }
    StereoBuffer NewBus() const { return StereoBuffer(frames_); }
    // Renders every note with the instrument onto the bus; pan runs from -1
    // (left) to 1 (right).
    void Play(StereoBuffer& bus, Instrument instrument, const std::vector<Note>& notes, double gain,
              double pan) const;

private:
    double secondsPerBeat_;
    size_t frames_;
};

// A stereo echo whose repeats alternate between the sides.
void AddEcho(StereoBuffer& bus, double delaySeconds, double feedback, double wet);
// A small room: parallel damped combs into all-pass diffusers.
void AddReverb(StereoBuffer& bus, double wet);
void MixInto(StereoBuffer& target, const StereoBuffer& source, double gain);
// Gentle saturation, then the peak scaled to `peak`.
void Master(StereoBuffer& mix, double peak);
