// SPDX-License-Identifier: MIT
// The two music tracks, composed here note by note. "Good_Bye" opens the
// play-through once: a heroic A-minor tune that sets off with a singing lead
// over pads, arpeggios, bass and drums. "Boss" follows and restarts whenever
// it ends: a driving E-minor battle loop that starts and ends on the beat.
#include <string>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"
#include "Sequencer.h"
#include "Synth.h"

namespace {

constexpr double BeatsPerBar = 4.0;
constexpr double Eighth = 0.5;
constexpr double Sixteenth = 0.25;

// Chord voicings by name, pad register.
std::vector<int> Voicing(const std::string& chord) {
    const struct {
        const char* name;
        const char* notes;
    } chords[] = {
        {"Am", "a3 c4 e4"}, {"F", "f3 a3 c4"},  {"C", "g3 c4 e4"},
        {"G", "g3 b3 d4"},  {"E", "e3 g#3 b3"}, {"Em", "e3 g3 b3"},
        {"Dm", "d3 f3 a3"}, {"D", "d3 f#3 a3"}, {"B", "f#3 b3 d#4"},
    };
    for (const auto& known : chords) {
        if (chord == known.name) {
            std::vector<int> pitches;
            for (const Note& note : ParseNotes(known.notes, 0, 1)) {
                pitches.push_back(note.pitch);
            }
            return pitches;
        }
    }
    return {};
}

// The chord's root in the bass register (octave 2).
int Root(const std::string& chord) {
    return PitchOf(std::string(1, static_cast<char>(chord[0] + ('a' - 'A'))) + "2");
}

// Every chord held for a bar.
std::vector<Note> PadPart(const std::vector<std::string>& chords, int firstBar, double velocity) {
    std::vector<Note> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        for (int pitch : Voicing(chords[bar])) {
            notes.push_back({(firstBar + bar) * BeatsPerBar, BeatsPerBar, pitch, velocity});
        }
    }
    return notes;
}

// A bass figure repeated over the chords: eight steps a bar, "r" the root,
// "o" its octave, "f" its fifth, "-" hold, "." rest.
std::vector<Note> BassPart(const std::vector<std::string>& chords, int firstBar,
                           const std::string& figure, double velocity) {
    std::vector<Note> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        const int root = Root(chords[bar]);
        double beat = (firstBar + bar) * BeatsPerBar;
        for (char step : figure) {
            if (step == ' ') {
                continue;
            }
            if (step == '-' && !notes.empty()) {
                notes.back().beats += Eighth;
            } else if (step == 'r' || step == 'o' || step == 'f') {
                const int pitch = root + (step == 'o' ? 12 : step == 'f' ? 7 : 0);
                notes.push_back({beat, Eighth, pitch, velocity});
            }
            beat += Eighth;
        }
    }
    return notes;
}

// Sixteenth-note arpeggios up and down the chord, an octave above the pad.
std::vector<Note> ArpeggioPart(const std::vector<std::string>& chords, int firstBar,
                               double velocity) {
    static const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    std::vector<Note> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        std::vector<int> tones = Voicing(chords[bar]);
        tones.push_back(tones[0] + 12);
        for (int step = 0; step < 16; ++step) {
            notes.push_back({(firstBar + bar) * BeatsPerBar + step * Sixteenth, Sixteenth,
                             tones[order[step % 8]] + 12, velocity * (step % 4 == 0 ? 1.0 : 0.7)});
        }
    }
    return notes;
}

// One bar of a drum, sixteen steps, played from `firstBar` for `bars` bars.
struct DrumLine {
    const char* bar;
    int firstBar;
    int bars;
};

std::vector<Note> Drum(std::initializer_list<DrumLine> lines) {
    std::vector<Note> hits;
    for (const DrumLine& line : lines) {
        for (int i = 0; i < line.bars; ++i) {
            const std::vector<Note> one =
                ParseHits(line.bar, (line.firstBar + i) * BeatsPerBar, Sixteenth);
            hits.insert(hits.end(), one.begin(), one.end());
        }
    }
    return hits;
}

void Append(std::vector<Note>& notes, const std::vector<Note>& more) {
    notes.insert(notes.end(), more.begin(), more.end());
}

std::vector<std::string> Bars(std::initializer_list<std::vector<std::string>> sections) {
    std::vector<std::string> all;
    for (const auto& section : sections) {
        all.insert(all.end(), section.begin(), section.end());
    }
    return all;
}

// The buses of a song, mixed and mastered at the end.
struct Band {
    explicit Band(const Mixer& mixer)
        : lead(mixer.NewBus()), backing(mixer.NewBus()), drums(mixer.NewBus()) {}

    StereoBuffer Mixdown() {
        AddEcho(lead, 0.3, 0.35, 0.35);
        AddReverb(lead, 0.25);
        AddReverb(backing, 0.3);
        StereoBuffer mix = drums;
        MixInto(mix, backing, 1.0);
        MixInto(mix, lead, 1.0);
        Master(mix, 0.89);
        return mix;
    }

    StereoBuffer lead, backing, drums;
};

// Fades the first and last milliseconds, so the track starts and stops
// without a click.
void SoftenEdges(StereoBuffer& music, double fadeInSeconds, double fadeOutSeconds) {
    const size_t in = static_cast<size_t>(fadeInSeconds * Rate);
    const size_t out = static_cast<size_t>(fadeOutSeconds * Rate);
    const size_t frames = music.Frames();
    for (size_t i = 0; i < frames; ++i) {
        double gain = 1.0;
        if (i < in) {
            gain = static_cast<double>(i) / in;
        }
        if (frames - i <= out) {
            gain = std::min(gain, static_cast<double>(frames - i - 1) / out);
        }
        music.left[i] = static_cast<float>(music.left[i] * gain);
        music.right[i] = static_cast<float>(music.right[i] * gain);
    }
}

StereoBuffer GoodBye() {
    const std::vector<std::string> intro = {"Am", "F", "C", "G"};
    const std::vector<std::string> verse = {"Am", "F", "C", "G", "Am", "F", "G", "E"};
    const std::vector<std::string> bridge = {"F", "G", "Em", "Am", "Dm", "G", "C", "E"};
    const std::vector<std::string> coda = {"Am", "F", "G", "Am"};
    const std::vector<std::string> outro = {"F", "G", "Am", "Am"};
    const std::vector<std::string> chords = Bars({intro, verse, verse, bridge, coda, outro});
    const int bars = static_cast<int>(chords.size());  // 36 bars
    const Mixer mixer(132, bars * BeatsPerBar, 3.0);
    Band band(mixer);

    const std::string verseTune =
        "a4 - c5 - e5 - a5 - | g5 - f5 e5 f5 - c5 - | e5 - g5 - c6 - b5 a5 | g5 - - - d5 - - - |"
        "a4 - c5 - e5 - a5 - | g5 - f5 e5 f5 - a5 - | g5 - f5 - d5 - b4 - | e5 - - - g#5 - - -";
    const std::string verseAnswer =
        "e5 - a5 - c6 - b5 a5 | a5 - g5 - f5 - e5 - | g5 - e5 - c5 - e5 g5 | b5 - a5 - g5 - d5 - |"
        "e5 - a5 - c6 - e6 - | d6 - c6 - a5 - f5 - | g5 - a5 - b5 - d6 - | e6 - - - b5 - g#5 -";
    const std::string bridgeTune =
        "c5 - f5 - a5 - g5 f5 | g5 - - d5 g5 - b5 - | b5 - a5 g5 e5 - - - | a5 - g5 - e5 - c5 - |"
        "d5 - f5 - a5 - c6 - | b5 - a5 - g5 - d5 - | e5 - g5 - c6 - e6 - | d6 - c6 - b5 - g#5 -";
    const std::string codaTune =
        "a5 - e5 - c5 - e5 - | f5 - a5 - c6 - a5 - | g5 - b5 - d6 - b5 - | a5 - - - - - - - |"
        "c5 - - - d5 - - - | b4 - - - d5 - - - | a4 - - - - - - - | - - - - - - - -";
    std::vector<Note> melody = ParseNotes(verseTune, 4 * BeatsPerBar, Eighth, 0.9);
    Append(melody, ParseNotes(verseAnswer, 12 * BeatsPerBar, Eighth, 0.95));
    Append(melody, ParseNotes(bridgeTune, 20 * BeatsPerBar, Eighth, 1.0));
    Append(melody, ParseNotes(codaTune, 28 * BeatsPerBar, Eighth, 0.9));
    mixer.Play(band.lead, LeadSynth, melody, 0.32, 0.1);

    mixer.Play(band.backing, Pad, PadPart(chords, 0, 0.8), 0.16, -0.2);
    std::vector<Note> bass = BassPart(intro, 0, "r - - - - - - -", 0.8);
    Append(bass, BassPart(Bars({verse, verse}), 4, "r - o r - r o r", 0.9));
    Append(bass, BassPart(bridge, 20, "r r o r r o r o", 0.95));
    Append(bass, BassPart(coda, 28, "r - o r - r o r", 0.9));
    Append(bass, BassPart(outro, 32, "r - - - - - - -", 0.8));
    mixer.Play(band.backing, Bass, bass, 0.34, 0.0);
    std::vector<Note> arpeggio = ArpeggioPart(intro, 0, 0.6);
    Append(arpeggio, ArpeggioPart(Bars({verse, bridge}), 12, 0.7));
    Append(arpeggio, ArpeggioPart(outro, 32, 0.5));
    mixer.Play(band.backing, Pluck, arpeggio, 0.1, 0.45);

    const std::vector<Note> kick = Drum({{"x.......x.......", 0, 4},
                                         {"x.....x.x...x...", 4, 16},
                                         {"x.......x.x.....", 20, 8},
                                         {"x.....x.x...x...", 28, 4},
                                         {"x...............", 32, 4}});
    const std::vector<Note> snare = Drum({{"....x.......x...", 4, 7},
                                          {"....x...x.x.xxxx", 11, 1},
                                          {"....x.......x...", 12, 7},
                                          {"....x...x.x.oxox", 19, 1},
                                          {"....x.......x..o", 20, 7},
                                          {"....x...x.x.xxxx", 27, 1},
                                          {"....x.......x...", 28, 4}});
    const std::vector<Note> hats = Drum({{"..o...o...o...o.", 0, 4},
                                         {"x.o.x.o.x.o.x.o.", 4, 16},
                                         {"xoxoxoxoxoxoxoxo", 20, 8},
                                         {"x.o.x.o.x.o.x.o.", 28, 4}});
    std::vector<Note> crashes;
    for (int bar : {4, 12, 20, 28, 32}) {
        crashes.push_back({bar * BeatsPerBar, 1, 0, 0.8});
    }
    mixer.Play(band.drums, Kick, kick, 0.6, 0.0);
    mixer.Play(band.drums, Snare, snare, 0.3, 0.05);
    mixer.Play(band.drums, ClosedHat, hats, 0.1, -0.3);
    mixer.Play(band.drums, Crash, crashes, 0.22, 0.3);

    StereoBuffer music = band.Mixdown();
    SoftenEdges(music, 0.01, 2.5);
    return music;
}

// One pass of the battle loop: 16 bars starting at `firstBar`.
void PlayBattleLoop(const Mixer& mixer, Band& band, int firstBar) {
    const std::vector<std::string> theme = {"Em", "C", "D", "B", "Em", "C", "Am", "B"};
    const std::vector<std::string> drive = {"Em", "D", "C", "B", "Em", "D", "C", "B"};
    const std::string themeTune =
        "e5 - g5 - b5 - a5 g5 | e5 - - - c5 - d5 e5 | f#5 - a5 - d6 - c6 b5 | a5 - f#5 - d#5 - b4 "
        "- |"
        "e5 - g5 - b5 - e6 - | d6 - c6 b5 c6 - g5 - | a5 - c6 - b5 - a5 - | f#5 - d#5 - b4 - - -";
    const std::string driveTune =
        "b4 e5 g5 e5 b5 g5 e5 g5 | a4 d5 f#5 d5 a5 f#5 d5 f#5 | g4 c5 e5 c5 g5 e5 c5 e5 |"
        "f#4 b4 d#5 b4 f#5 d#5 b4 d#5 | e6 - - - d6 - b5 - | d6 - - - c6 - a5 - |"
        "c6 - b5 - g5 - e5 - | d#5 - f#5 - b5 - . .";
    const double start = firstBar * BeatsPerBar;
    std::vector<Note> melody = ParseNotes(themeTune, start, Eighth, 0.9);
    Append(melody, ParseNotes(driveTune, start + 8 * BeatsPerBar, Eighth, 0.95));
    mixer.Play(band.lead, SawLead, melody, 0.27, -0.1);

    const std::vector<std::string> chords = Bars({theme, drive});
    mixer.Play(band.backing, Pad, PadPart(chords, firstBar, 0.7), 0.14, 0.25);
    mixer.Play(band.backing, Bass, BassPart(chords, firstBar, "r r o r r o r r", 0.95), 0.36, 0.0);
    mixer.Play(band.backing, Pluck, ArpeggioPart(drive, firstBar + 8, 0.6), 0.09, -0.45);

    const std::vector<Note> kick = Drum({{"x...x...x...x...", firstBar, 16}});
    const std::vector<Note> snare = Drum({{"....x.......x...", firstBar, 7},
                                          {"....x.......x.xx", firstBar + 7, 1},
                                          {"....x.......x...", firstBar + 8, 7},
                                          {"....x...........", firstBar + 15, 1}});
    const std::vector<Note> hats = Drum({{"o.x.o.x.o.x.o.x.", firstBar, 16}});
    // Tom fill into the top of the loop.
    std::vector<Note> toms;
    const int fillPitches[] = {50, 50, 45, 45, 41, 41};
    for (int i = 0; i < 6; ++i) {
        toms.push_back(
            {start + 15 * BeatsPerBar + 2.5 + i * Sixteenth, Sixteenth, fillPitches[i], 0.9});
    }
    mixer.Play(band.drums, Kick, kick, 0.62, 0.0);
    mixer.Play(band.drums, Snare, snare, 0.32, 0.05);
    mixer.Play(band.drums, ClosedHat, hats, 0.1, 0.3);
    mixer.Play(band.drums, Tom, toms, 0.4, -0.2);
    mixer.Play(band.drums, Crash, {{start, 1, 0, 0.7}}, 0.2, -0.3);
}

StereoBuffer BossLoop() {
    constexpr int LoopBars = 16;
    // Two passes are played and the second kept: its opening already
    // carries the echoes and reverb of the pass before, so the loop runs on
    // seamlessly when it restarts.
    const Mixer mixer(150, 2 * LoopBars * BeatsPerBar, 0.0);
    Band band(mixer);
    PlayBattleLoop(mixer, band, 0);
    PlayBattleLoop(mixer, band, LoopBars);
    const StereoBuffer both = band.Mixdown();
    const size_t loopFrames = both.Frames() / 2;
    StereoBuffer loop(loopFrames);
    for (size_t i = 0; i < loopFrames; ++i) {
        loop.left[i] = both.left[loopFrames + i];
        loop.right[i] = both.right[loopFrames + i];
    }
    SoftenEdges(loop, 0.003, 0.003);
    return loop;
}

}  // namespace

void ComposeMusic(AssetWriter& writer) {
    writer.Music("Sound/Good_Bye.ogg", GoodBye());
    writer.Music("Sound/Boss.ogg", BossLoop());
}
