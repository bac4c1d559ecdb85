// SPDX-License-Identifier: MIT
#include "Synth.h"

#include <algorithm>

double SineWave(double phase) {
    return std::sin(TwoPi * phase);
}

double SquareWave(double phase, double duty) {
    // Less than half a cycle high would leave an offset; it is taken out so
    // every duty swings around zero.
    const double level = phase - std::floor(phase) < duty ? 1.0 : -1.0;
    return level - (2.0 * duty - 1.0);
}

double SawWave(double phase) {
    return 2.0 * (phase - std::floor(phase)) - 1.0;
}

double TriangleWave(double phase) {
    const double p = phase - std::floor(phase);
    return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
}

double Envelope::Level(double t, double length) const {
    auto held = [&](double time) {
        if (time < attack) {
            return time / attack;
        }
        if (time < attack + decay) {
            return 1.0 - (1.0 - sustain) * (time - attack) / decay;
        }
        return sustain;
    };
    if (t < length) {
        return held(t);
    }
    const double released = (t - length) / std::max(release, 1e-4);
    return released >= 1.0 ? 0.0 : held(length) * (1.0 - released);
}

double Filter::Process(double input, double cutoffHertz) {
    // Two passes per sample keep the filter stable up to high cutoffs.
    const double f =
        2.0 * std::sin(3.141592653589793 * std::min(cutoffHertz, Rate / 6.0) / (2.0 * Rate));
    double high = 0.0;
    for (int pass = 0; pass < 2; ++pass) {
        low_ += f * band_;
        high = input - low_ - damping_ * band_;
        band_ += f * high;
    }
    switch (kind_) {
        case LowPass:
            return low_;
        case BandPass:
            return band_;
        case HighPass:
            return high;
    }
    return low_;
}
