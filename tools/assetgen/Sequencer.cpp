// SPDX-License-Identifier: MIT
#include "Sequencer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

#include "Synth.h"

int PitchOf(const std::string& name) {
    static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (name.size() < 2 || name[0] < 'a' || name[0] > 'g') {
        return -1;
    }
    int pitch = semitones[name[0] - 'a'];
    size_t i = 1;
    if (name[i] == '#') {
        ++pitch;
        ++i;
    } else if (name[i] == 'b' && name.size() > 2) {
        --pitch;
        ++i;
    }
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) {
        return -1;
    }
    return pitch + 12 * (name[i] - '0' + 1);
}

std::vector<Note> ParseNotes(const std::string& steps, double startBeat, double stepBeats,
                             double velocity) {
    std::vector<Note> notes;
    std::istringstream tokens(steps);
    std::string token;
    double beat = startBeat;
    bool holding = false;
    while (tokens >> token) {
        if (token == "|") {
            continue;
        }
        if (token == "-") {
            if (holding) {
                notes.back().beats += stepBeats;
            }
        } else if (token == ".") {
            holding = false;
        } else {
            const int pitch = PitchOf(token);
            holding = pitch >= 0;
            if (holding) {
                notes.push_back({beat, stepBeats, pitch, velocity});
            }
        }
        beat += stepBeats;
    }
    return notes;
}

std::vector<Note> ParseHits(const std::string& steps, double startBeat, double stepBeats) {
    std::vector<Note> hits;
    double beat = startBeat;
    for (char step : steps) {
        if (step == ' ' || step == '|') {
            continue;
        }
        if (step == 'x' || step == 'o') {
            hits.push_back({beat, stepBeats, 0, step == 'x' ? 1.0 : 0.5});
        }
        beat += stepBeats;
    }
    return hits;
}

Mixer::Mixer(double beatsPerMinute, double beats, double tailSeconds)
    : secondsPerBeat_(60.0 / beatsPerMinute),
      frames_(static_cast<size_t>((beats * 60.0 / beatsPerMinute + tailSeconds) * Rate)) {}

void Mixer::Play(StereoBuffer& bus, Instrument instrument, const std::vector<Note>& notes,
                 double gain, double pan) const {
    const double angle = (pan + 1.0) * 3.141592653589793 / 4.0;
    const double left = std::cos(angle) * gain;
    const double right = std::sin(angle) * gain;
    for (const Note& note : notes) {
        const NoteSound sound{MidiToHertz(note.pitch), Seconds(note.beats), note.velocity,
                              static_cast<std::uint64_t>(note.beat * 1000) * 31 + note.pitch};
        const MonoBuffer samples = instrument(sound);
        const size_t start = static_cast<size_t>(std::llround(Seconds(note.beat) * Rate));
        for (size_t i = 0; i < samples.size() && start + i < bus.Frames(); ++i) {
            bus.left[start + i] += static_cast<float>(samples[i] * left);
            bus.right[start + i] += static_cast<float>(samples[i] * right);
        }
    }
}

void AddEcho(StereoBuffer& bus, double delaySeconds, double feedback, double wet) {
    const size_t delay = static_cast<size_t>(delaySeconds * Rate);
    std::vector<float> left(bus.Frames(), 0.0f), right(bus.Frames(), 0.0f);
    for (size_t i = delay; i < bus.Frames(); ++i) {
        // Ping-pong: each side's repeat feeds the other side.
        left[i] = static_cast<float>((bus.right[i - delay] + right[i - delay]) * feedback);
        right[i] = static_cast<float>((bus.left[i - delay] + left[i - delay]) * feedback);
    }
    for (size_t i = 0; i < bus.Frames(); ++i) {
        bus.left[i] += static_cast<float>(left[i] * wet);
        bus.right[i] += static_cast<float>(right[i] * wet);
    }
}

namespace {

// A ring of samples: what was written `length` samples ago comes out.
class DelayLine {
public:
    explicit DelayLine(size_t length) : buffer_(length, 0.0) {}
    double Oldest() const { return buffer_[index_]; }
    void Push(double value) {
        buffer_[index_] = value;
        index_ = (index_ + 1) % buffer_.size();
    }

private:
    std::vector<double> buffer_;
    size_t index_ = 0;
};

// A feedback comb whose repeats lose their highs, like sound off soft walls.
class Comb {
public:
    explicit Comb(size_t length) : line_(length) {}
    double Process(double input) {
        const double out = line_.Oldest();
        damped_ = out * 0.7 + damped_ * 0.3;
        line_.Push(input + damped_ * 0.8);
        return out;
    }

private:
    DelayLine line_;
    double damped_ = 0.0;
};

// Smears the echoes in time without colouring them.
class AllPass {
public:
    explicit AllPass(size_t length) : line_(length) {}
    double Process(double input) {
        const double delayed = line_.Oldest();
        line_.Push(input + delayed * 0.5);
        return delayed - input * 0.5;
    }

private:
    DelayLine line_;
};

void ReverbChannel(std::vector<float>& channel, double wet, size_t spread) {
    const size_t combLengths[4] = {1310, 1636, 1813, 1927};
    const size_t passLengths[2] = {556, 225};
    std::vector<Comb> combs;
    for (size_t length : combLengths) {
        combs.emplace_back(length + spread);
    }
    std::vector<AllPass> passes;
    for (size_t length : passLengths) {
        passes.emplace_back(length + spread / 2);
    }
    for (float& sample : channel) {
        double room = 0.0;
        for (Comb& comb : combs) {
            room += comb.Process(sample * 0.25);
        }
        for (AllPass& pass : passes) {
            room = pass.Process(room);
        }
        sample = static_cast<float>(sample + room * wet);
    }
}

}  // namespace

void AddReverb(StereoBuffer& bus, double wet) {
    ReverbChannel(bus.left, wet, 0);
    ReverbChannel(bus.right, wet, 23);
}

void MixInto(StereoBuffer& target, const StereoBuffer& source, double gain) {
    for (size_t i = 0; i < target.Frames() && i < source.Frames(); ++i) {
        target.left[i] += static_cast<float>(source.left[i] * gain);
        target.right[i] += static_cast<float>(source.right[i] * gain);
    }
}

void Master(StereoBuffer& mix, double peak) {
    // A gentle high-pass at 20 Hz removes any offset the voices left.
    const double pole = std::exp(-TwoPi * 20.0 / Rate);
    for (std::vector<float>* channel : {&mix.left, &mix.right}) {
        double previousIn = 0.0, previousOut = 0.0;
        for (float& sample : *channel) {
            const double out = sample - previousIn + pole * previousOut;
            previousIn = sample;
            previousOut = out;
            sample = static_cast<float>(out);
        }
    }
    double loudest = 1e-9;
    for (const std::vector<float>* channel : {&mix.left, &mix.right}) {
        for (float sample : *channel) {
            loudest = std::max(loudest, std::fabs(static_cast<double>(sample)));
        }
    }
    // Peaks are rounded off a little, then the whole scaled to `peak`.
    constexpr double Drive = 1.3;
    for (std::vector<float>* channel : {&mix.left, &mix.right}) {
        for (float& sample : *channel) {
            const double level = std::tanh(Drive * sample / loudest) / std::tanh(Drive);
            sample = static_cast<float>(level * peak);
        }
    }
}
