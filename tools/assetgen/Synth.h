// SPDX-License-Identifier: MIT
#pragma once
// Sound-making primitives shared by the effects and the music: oscillators,
// noise, envelopes and filters, all at the game's mixing rate.

#include <cmath>
#include <cstdint>

#include "Random.h"
#include "assets/AssetContract.h"

inline constexpr double Rate = assetcontract::SampleRate;
inline constexpr double TwoPi = 6.283185307179586;

inline double MidiToHertz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// Wave shapes over a phase in cycles (any real number).
double SineWave(double phase);
double SquareWave(double phase, double duty = 0.5);
double SawWave(double phase);
double TriangleWave(double phase);

// A phase that advances by a (possibly changing) frequency each sample.
class Phase {
public:
    double Advance(double hertz) {
        const double current = value_;
        value_ += hertz / Rate;
        value_ -= std::floor(value_);
        return current;
    }

private:
    double value_ = 0.0;
};

// White noise in [-1, 1], seeded so every build sounds the same.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : random_(seed) {}
    double Next() { return random_.Range(-1.0, 1.0); }

private:
    Random random_;
};

// Attack, decay, sustain, release; times in seconds. Level(t) for a note
// released at `length`.
struct Envelope {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;

    double Level(double t, double length) const;
    double Duration(double length) const { return length + release; }
};

// exp(-t / time): the fall of a struck or plucked sound.
inline double Decay(double t, double time) {
    return std::exp(-t / time);
}

// Slides exponentially from `from` to `to` with the given time constant.
inline double Glide(double t, double from, double to, double time) {
    return to + (from - to) * std::exp(-t / time);
}

// A state-variable filter (Chamberlin form): low-pass, band-pass and high-pass
// outputs from one input; the cutoff may change every sample.
class Filter {
public:
    enum Kind { LowPass, BandPass, HighPass };
    Filter(Kind kind, double resonance = 0.7) : kind_(kind), damping_(1.0 / resonance) {}
    double Process(double input, double cutoffHertz);

private:
    Kind kind_;
    double damping_;
    double low_ = 0.0;
    double band_ = 0.0;
};
