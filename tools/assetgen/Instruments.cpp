// SPDX-License-Identifier: MIT
#include "Instruments.h"

#include <algorithm>

#include "Synth.h"

namespace {

template <class Voice>
MonoBuffer Render(double seconds, Voice voice) {
    MonoBuffer sound(static_cast<size_t>(std::max(0.0, seconds) * Rate));
    for (size_t i = 0; i < sound.size(); ++i) {
        sound[i] = static_cast<float>(voice(i / Rate));
    }
    return sound;
}

// Vibrato that sets in after the note's start, as a singer's would.
double Vibrato(double t, Phase& phase, double depthSemitones) {
    const double depth = depthSemitones * std::clamp((t - 0.12) / 0.2, 0.0, 1.0);
    return std::pow(2.0, depth * SineWave(phase.Advance(5.5)) / 12.0);
}

}  // namespace

MonoBuffer LeadSynth(const NoteSound& note) {
    const Envelope envelope{0.012, 0.15, 0.72, 0.14};
    Phase a, b, wobble;
    Filter tone(Filter::LowPass, 0.9);
    return Render(envelope.Duration(note.seconds), [&](double t) {
        const double hertz = note.hertz * Vibrato(t, wobble, 0.18);
        const double wave =
            SquareWave(a.Advance(hertz), 0.32) * 0.5 + SawWave(b.Advance(hertz * 1.004)) * 0.4;
        const double level = envelope.Level(t, note.seconds) * note.velocity;
        return tone.Process(wave, 1800 + 2600 * level) * level;
    });
}

MonoBuffer SawLead(const NoteSound& note) {
    const Envelope envelope{0.008, 0.1, 0.8, 0.1};
    Phase a, b, c, wobble;
    Filter tone(Filter::LowPass, 1.4);
    return Render(envelope.Duration(note.seconds), [&](double t) {
        const double hertz = note.hertz * Vibrato(t, wobble, 0.22);
        const double wave = SawWave(a.Advance(hertz)) + SawWave(b.Advance(hertz * 1.007)) * 0.8 +
                            SquareWave(c.Advance(hertz / 2)) * 0.3;
        const double level = envelope.Level(t, note.seconds) * note.velocity;
        return tone.Process(wave * 0.45, Glide(t, 5200, 2200, 0.2)) * level;
    });
}

MonoBuffer Bass(const NoteSound& note) {
    const Envelope envelope{0.004, 0.12, 0.6, 0.05};
    Phase saw, sub;
    Filter tone(Filter::LowPass, 1.6);
    return Render(envelope.Duration(note.seconds), [&](double t) {
        const double wave =
            SawWave(saw.Advance(note.hertz)) * 0.6 + SineWave(sub.Advance(note.hertz)) * 0.6;
        const double level = envelope.Level(t, note.seconds) * note.velocity;
        return tone.Process(wave, Glide(t, 2400, 320, 0.06)) * level;
    });
}

MonoBuffer Pad(const NoteSound& note) {
    const Envelope envelope{0.35, 0.4, 0.8, 0.6};
    Phase voices[3];
    const double detune[3] = {0.994, 1.0, 1.006};
    Filter tone(Filter::LowPass, 0.8);
    return Render(envelope.Duration(note.seconds), [&](double t) {
        double wave = 0.0;
        for (int i = 0; i < 3; ++i) {
            wave += SawWave(voices[i].Advance(note.hertz * detune[i]));
        }
        return tone.Process(wave / 3.0, 1400) * envelope.Level(t, note.seconds) * note.velocity;
    });
}

MonoBuffer Pluck(const NoteSound& note) {
    Phase square;
    Filter tone(Filter::LowPass, 1.2);
    return Render(0.22, [&](double t) {
        const double wave = SquareWave(square.Advance(note.hertz), 0.5);
        return tone.Process(wave, Glide(t, 5000, 900, 0.05)) * Decay(t, 0.07) *
               std::min(1.0, t / 0.002) * note.velocity;
    });
}

MonoBuffer Kick(const NoteSound& note) {
    Phase body;
    return Render(0.42, [&](double t) {
        const double hertz = Glide(t, 160, 44, 0.035);
        const double click = t < 0.003 ? (1.0 - t / 0.003) * 0.5 : 0.0;
        return (SineWave(body.Advance(hertz)) * Decay(t, 0.16) + click) * note.velocity;
    });
}

MonoBuffer Snare(const NoteSound& note) {
    Noise noise(note.seed);
    Filter rattle(Filter::BandPass, 0.8);
    Phase tone;
    return Render(0.3, [&](double t) {
        const double body = SineWave(tone.Advance(Glide(t, 260, 180, 0.03))) * Decay(t, 0.05) * 0.6;
        return (rattle.Process(noise.Next(), 2200) * 2.2 * Decay(t, 0.07) + body) * note.velocity;
    });
}

namespace {

MonoBuffer Hat(const NoteSound& note, double length, double ring) {
    Noise noise(note.seed);
    Filter hiss(Filter::HighPass, 0.9);
    return Render(length, [&](double t) {
        return hiss.Process(noise.Next(), 7500) * Decay(t, ring) * note.velocity;
    });
}

}  // namespace

MonoBuffer ClosedHat(const NoteSound& note) {
    return Hat(note, 0.08, 0.018);
}

MonoBuffer OpenHat(const NoteSound& note) {
    return Hat(note, 0.35, 0.11);
}

MonoBuffer Crash(const NoteSound& note) {
    Noise noise(note.seed);
    Filter hiss(Filter::HighPass, 0.7);
    return Render(1.8, [&](double t) {
        return hiss.Process(noise.Next(), 4200) * Decay(t, 0.55) * note.velocity * 0.8;
    });
}

MonoBuffer Tom(const NoteSound& note) {
    Phase body;
    return Render(0.35, [&](double t) {
        return SineWave(body.Advance(Glide(t, note.hertz * 1.6, note.hertz, 0.05))) *
               Decay(t, 0.12) * note.velocity;
    });
}
