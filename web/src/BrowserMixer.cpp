// SPDX-License-Identifier: MIT
// SDL_mixer for the game in a browser tab, in place of the browser's SDL's
// own, which makes a new audio element for every effect played: thousands
// in a play-through, each one loaded and then thrown away, which the page
// pays for in pauses. Here each effect file is decoded once, for the whole
// page, and each play is a source node on it (BrowserMixer.js); a channel
// plays one effect at a time, as SDL_mixer's do.
#include "web/src/BrowserMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <emscripten.h>

#include <cstdlib>

// A track: the number of its audio element in BrowserMixer.js.
struct _Mix_Music {
    int track;
};

namespace {

// An effect: SDL_mixer's record, with the number of its decoded samples.
struct Effect {
    Mix_Chunk chunk;
    int sound;
};

EM_JS(void, SilenceMixer, (), { Module.corvanelMixer.silence(); });
EM_JS(int, KnownSound, (const char* name),
      { return Module.corvanelMixer.known(UTF8ToString(name)); });
EM_JS(int, MakeSound,
      (const char* name, const Uint8* samples, Uint32 bytes, int channels, int rate, int bits), {
          return Module.corvanelMixer.sound(UTF8ToString(name), samples, bytes, channels, rate,
                                            bits);
      });
EM_JS(int, PlayEffect, (int channel, int sound),
      { return Module.corvanelMixer.play(channel, sound); });
EM_JS(void, HaltEffect, (int channel), { Module.corvanelMixer.halt(channel); });
EM_JS(int, EffectPlaying, (int channel), { return Module.corvanelMixer.playing(channel); });
EM_JS(int, LoadTrack, (const char* path), {
    try {
        return Module.corvanelMixer.track(UTF8ToString(path));
    } catch (error) {
        return -1;
    }
});
EM_JS(void, PlayTrack, (int track), { Module.corvanelMixer.playMusic(track); });
EM_JS(void, FadeOutTrack, (int ms), { Module.corvanelMixer.fadeOutMusic(ms); });
EM_JS(int, TrackPlaying, (), { return Module.corvanelMixer.playingMusic(); });
EM_JS(void, HaltTrack, (), { Module.corvanelMixer.haltMusic(); });

// The name of the file behind one of the browser's SDL streams; the empty
// string for a stream over memory.
EM_JS(char*, StreamFileName, (SDL_RWops * stream), {
    const entry = SDL.rwops[stream];
    return allocateUTF8(entry && entry.filename ? entry.filename : "");
});

}  // namespace

namespace BrowserMixer {

void Silence() {
    SilenceMixer();
}

}  // namespace BrowserMixer

extern "C" {

// Sound needs no device to be opened: the page makes its audio context when
// the browser first allows sound.
int Mix_OpenAudio(int, Uint16, int, int) {
    return 0;
}

// Nothing to close, so nothing is ever reported open.
int Mix_QuerySpec(int* frequency, Uint16* format, int* channels) {
    if (frequency) {
        *frequency = 0;
    }
    if (format) {
        *format = 0;
    }
    if (channels) {
        *channels = 0;
    }
    return 0;
}

void Mix_CloseAudio() {}

Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* stream, int freeStream) {
    char* name = StreamFileName(stream);
    int sound = name[0] ? KnownSound(name) : -1;
    if (sound < 0) {
        SDL_AudioSpec audio;
        Uint8* samples = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV_RW(stream, 0, &audio, &samples, &length)) {
            sound = MakeSound(name, samples, length, audio.channels, audio.freq,
                              audio.format == AUDIO_U8 ? 8 : 16);
            SDL_FreeWAV(samples);
        }
    }
    std::free(name);
    if (freeStream) {
        SDL_RWclose(stream);
    }
    if (sound < 0) {
        return nullptr;
    }
    auto* effect = new Effect{Mix_Chunk{1, nullptr, 0, MIX_MAX_VOLUME}, sound};
    return &effect->chunk;
}

void Mix_FreeChunk(Mix_Chunk* chunk) {
    // The decoded samples stay with the page, for the next play-through.
    delete reinterpret_cast<Effect*>(chunk);
}

int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int, int) {
    if (!chunk) {
        return -1;
    }
    return PlayEffect(channel, reinterpret_cast<Effect*>(chunk)->sound);
}

int Mix_HaltChannel(int channel) {
    HaltEffect(channel);
    return 0;
}

int Mix_Playing(int channel) {
    return EffectPlaying(channel);
}

Mix_Music* Mix_LoadMUS(const char* path) {
    const int track = LoadTrack(path);
    return track < 0 ? nullptr : new Mix_Music{track};
}

// The game's loader hands over a stream that names the preloaded file it
// checked; like SDL_mixer 1.2's, this leaves the stream to the caller.
Mix_Music* Mix_LoadMUS_RW(SDL_RWops* stream) {
    char* name = StreamFileName(stream);
    Mix_Music* music = name[0] ? Mix_LoadMUS(name) : nullptr;
    std::free(name);
    return music;
}

void Mix_FreeMusic(Mix_Music* music) {
    // The track's element stays with the page, for the next play-through.
    delete music;
}

// SDL_mixer refuses a null track.
int Mix_PlayMusic(Mix_Music* music, int) {
    if (!music) {
        return -1;
    }
    PlayTrack(music->track);
    return 0;
}

int Mix_FadeOutMusic(int ms) {
    FadeOutTrack(ms);
    return 1;
}

int Mix_PlayingMusic() {
    return TrackPlaying();
}

int Mix_HaltMusic() {
    HaltTrack();
    return 0;
}

}  // extern "C"
