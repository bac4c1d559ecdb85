// SPDX-License-Identifier: MIT
// The sound effects: the ship's shot and explosion, the enemies' shot and
// explosions, the bosses' explosion and the two bosses' arrival calls. Each is
// short, mono, and unlike the others.
#include <algorithm>
#include <cmath>

#include "AssetWriter.h"
#include "Generators.h"
#include "Synth.h"

namespace {

// Renders voice(t) for every sample of the given length, scales the peak to
// `peak` and fades the last milliseconds so the sound never ends in a click.
template <class Voice>
MonoBuffer Synthesize(double seconds, double peak, Voice voice) {
    MonoBuffer sound(static_cast<size_t>(seconds * Rate));
    double loudest = 1e-9;
    for (size_t i = 0; i < sound.size(); ++i) {
        sound[i] = static_cast<float>(voice(i / Rate));
        loudest = std::max(loudest, std::fabs(static_cast<double>(sound[i])));
    }
    const size_t fade = static_cast<size_t>(0.005 * Rate);
    for (size_t i = 0; i < sound.size(); ++i) {
        const size_t left = sound.size() - i;
        const double tail = left < fade ? static_cast<double>(left) / fade : 1.0;
        sound[i] = static_cast<float>(sound[i] * peak / loudest * tail);
    }
    return sound;
}

// The ship's shot: a bright square zap falling fast in pitch.
MonoBuffer HeroShot() {
    Phase tone, sub;
    Filter soften(Filter::LowPass);
    return Synthesize(0.12, 0.55, [&](double t) {
        const double pitch = Glide(t, 1900, 520, 0.03);
        const double zap =
            SquareWave(tone.Advance(pitch), 0.25) * 0.7 + SineWave(sub.Advance(pitch / 2)) * 0.5;
        return soften.Process(zap, 6000) * Decay(t, 0.035) * std::min(1.0, t / 0.002);
    });
}

// The enemies' shot: a softer, lower pulse that bends down with a wobble.
MonoBuffer EnemyShot() {
    Phase tone, wobble;
    Noise hiss(71);
    Filter tick(Filter::HighPass);
    return Synthesize(0.17, 0.5, [&](double t) {
        const double pitch = Glide(t, 760, 240, 0.06) * (1.0 + 0.06 * SineWave(wobble.Advance(38)));
        const double body = TriangleWave(tone.Advance(pitch)) * Decay(t, 0.06);
        const double click = tick.Process(hiss.Next(), 4000) * Decay(t, 0.006) * 0.6;
        return (body + click) * std::min(1.0, t / 0.002);
    });
}

// A blast: noise through a closing low-pass over a falling thump.
struct Blast {
    double start;
    double loudness;
    double length;  // time constant of the fall, seconds
    double brightness;
};

double Boom(double t, double pitchFrom, double pitchTo, Phase& phase) {
    return SineWave(phase.Advance(Glide(t, pitchFrom, pitchTo, 0.08)));
}

// The regular enemies' explosion.
MonoBuffer EnemyExplosion() {
    Noise noise(81);
    Filter body(Filter::LowPass, 0.9);
    Phase thump;
    return Synthesize(0.65, 0.8, [&](double t) {
        const double cutoff = Glide(t, 3800, 180, 0.12);
        const double crack = body.Process(noise.Next(), cutoff) * Decay(t, 0.16);
        return crack + Boom(t, 110, 38, thump) * Decay(t, 0.12) * 0.8;
    });
}

// The DarkMetroid's burst: a wet, crackling splat that squelches down.
MonoBuffer OrganicBurst() {
    Noise noise(91), crackle(92);
    Filter wet(Filter::BandPass, 2.5);
    Phase squelch, wobble;
    return Synthesize(0.48, 0.8, [&](double t) {
        const double pops = crackle.Next() > 0.96 - t * 0.1 ? 1.0 : 0.25;
        const double splat = wet.Process(noise.Next(), Glide(t, 1500, 500, 0.1)) * pops;
        const double pitch = Glide(t, 420, 80, 0.09) * (1.0 + 0.2 * SineWave(wobble.Advance(23)));
        return splat * Decay(t, 0.12) * 1.6 +
               SineWave(squelch.Advance(pitch)) * Decay(t, 0.1) * 0.7;
    });
}

// The ship's explosion: a long blast and a falling, forlorn tone.
MonoBuffer HeroExplosion() {
    Noise noise(101);
    Filter body(Filter::LowPass, 1.0);
    Phase thump, fall;
    Filter soft(Filter::LowPass);
    return Synthesize(1.35, 0.85, [&](double t) {
        const double cutoff = Glide(t, 6000, 140, 0.3);
        const double blast = body.Process(noise.Next(), cutoff) * Decay(t, 0.38);
        const double tone =
            soft.Process(SquareWave(fall.Advance(Glide(t, 880, 90, 0.45)), 0.4), 2500);
        return blast + Boom(t, 90, 30, thump) * Decay(t, 0.3) * 0.9 + tone * Decay(t, 0.5) * 0.25;
    });
}

// A boss's end: a chain of blasts over a deep rumble.
MonoBuffer BossExplosion() {
    const Blast blasts[] = {{0.0, 1.0, 0.4, 5000},
                            {0.32, 0.8, 0.3, 3500},
                            {0.7, 0.9, 0.35, 4200},
                            {1.1, 0.7, 0.5, 2800}};
    Noise noise(111), rumbleNoise(112);
    Filter bodies[4] = {Filter(Filter::LowPass), Filter(Filter::LowPass), Filter(Filter::LowPass),
                        Filter(Filter::LowPass)};
    Filter rumble(Filter::LowPass, 1.2);
    Phase booms[4];
    return Synthesize(2.3, 0.9, [&](double t) {
        double sum = rumble.Process(rumbleNoise.Next(), 120) * 2.5 * Decay(t, 0.9);
        for (int i = 0; i < 4; ++i) {
            const double local = t - blasts[i].start;
            if (local < 0) {
                continue;
            }
            const double cutoff = Glide(local, blasts[i].brightness, 160, 0.15);
            const double fade = Decay(local, blasts[i].length) * blasts[i].loudness;
            sum += (bodies[i].Process(noise.Next(), cutoff) + Boom(local, 80, 28, booms[i]) * 0.9) *
                   fade;
        }
        return sum;
    });
}

// The Metroid's call: an eerie warbling whistle that swells and rises.
MonoBuffer MetroidCall() {
    Phase carrier, modulator, vibrato;
    return Synthesize(1.6, 0.7, [&](double t) {
        const double base = Glide(t, 260, 520, 0.6) * (1.0 + 0.05 * SineWave(vibrato.Advance(7)));
        const double fm = SineWave(modulator.Advance(base * 1.5)) * (1.2 + std::sin(t * 9));
        const double swell = std::min(1.0, t / 0.35) * (t > 1.2 ? (1.6 - t) / 0.4 : 1.0);
        return SineWave(carrier.Advance(base) + fm * 0.15) * swell;
    });
}

// Xantum's arrival: a deep, swelling war horn with a distant alarm.
MonoBuffer XantumCall() {
    Phase low, fifth, siren;
    Filter horn(Filter::LowPass, 1.5);
    Filter alarm(Filter::LowPass);
    return Synthesize(2.3, 0.85, [&](double t) {
        const double swell = std::min(1.0, t / 0.6) * (t > 1.8 ? (2.3 - t) / 0.5 : 1.0);
        const double tones = SawWave(low.Advance(55)) + SawWave(fifth.Advance(82.6)) * 0.7;
        const double body = horn.Process(tones, 300 + 900 * std::min(1.0, t / 0.8)) * swell;
        const double sirenPitch = static_cast<int>(t / 0.25) % 2 == 0 ? 620 : 830;
        const double call =
            alarm.Process(SquareWave(siren.Advance(sirenPitch)), 2000) * 0.18 * swell;
        return body + call;
    });
}

}  // namespace

void ComposeSoundEffects(AssetWriter& writer) {
    writer.Effect("Sound/Shot4.wav", HeroShot());
    writer.Effect("Sound/Shot1.wav", EnemyShot());
    writer.Effect("Sound/Explosion1.wav", EnemyExplosion());
    writer.Effect("Sound/explosion1.wav", OrganicBurst());
    writer.Effect("Sound/Explosion1_UP.wav", HeroExplosion());
    writer.Effect("Sound/Explosion_Boss.wav", BossExplosion());
    writer.Effect("Sound/Metroid.wav", MetroidCall());
    writer.Effect("Sound/Xantum.wav", XantumCall());
}
