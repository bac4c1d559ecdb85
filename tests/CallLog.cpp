// SPDX-License-Identifier: MIT
#include "tests/CallLog.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>
#include <map>

#include "platform/Platform.h"

namespace {

CallLog* listening = nullptr;
// Streams by the file they read, for the readers that take a stream. A
// stream made any other way is left out, so that a new stream at a freed
// one's address never inherits its name.
std::map<const SDL_RWops*, std::string> streams;
// Pictures, sounds and tracks by the file they came from; a converted
// picture keeps the name of the one it was made from. Each name leaves with
// its object, and a failed load names nothing.
std::map<const void*, std::string> names;

void Name(const void* thing, const std::string& name) {
    if (thing) {
        names[thing] = name;
    }
}

// The file a stream reads, forgotten when the reader frees the stream.
std::string StreamName(SDL_RWops* source, int freeSource) {
    const auto found = streams.find(source);
    const std::string name = found == streams.end() ? "unnamed" : found->second;
    if (freeSource && found != streams.end()) {
        streams.erase(found);
    }
    return name;
}

SDL_RWops* Unnamed(SDL_RWops* stream) {
    streams.erase(stream);
    return stream;
}

// SDL's own function of that name, past the one defined here. SDL_image is
// only linked in for IMG_Load, which is defined here too, so it may have to
// be opened first.
template <class Function>
Function Real(const char* name, const char* library = nullptr) {
    void* found = dlsym(RTLD_NEXT, name);
    if (!found && library) {
        found = dlsym(dlopen(library, RTLD_NOW | RTLD_GLOBAL), name);
    }
    return reinterpret_cast<Function>(found);
}

bool Listens(int kind) {
    return listening && (listening->kinds & kind);
}

std::string NameOf(const void* thing, const SDL_Surface* surface = nullptr) {
    const auto named = names.find(thing);
    if (named != names.end()) {
        return named->second;
    }
    return surface ? std::to_string(surface->w) + "x" + std::to_string(surface->h) : "unnamed";
}

}  // namespace

void (*CallHooks::blitted)(SDL_Surface*, const SDL_Rect*, const SDL_Rect*) = nullptr;
void (*CallHooks::converted)(SDL_Surface*) = nullptr;

CallLog::CallLog(int kinds) : kinds(kinds) {
    listening = this;
}

CallLog::~CallLog() {
    listening = nullptr;
}

void CallLog::Note(const std::string& line) {
    if (listening) {
        listening->lines.push_back(line);
    }
}

std::vector<std::string> CallLog::Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

extern "C" {

SDL_RWops* SDL_RWFromFile(const char* file, const char* mode) {
    static auto real = Real<SDL_RWops* (*)(const char*, const char*)>("SDL_RWFromFile");
    SDL_RWops* stream = real(file, mode);
    streams.erase(stream);
    if (stream) {
        streams[stream] = file;
    }
    return stream;
}

SDL_RWops* SDL_RWFromFP(FILE* file, int autoClose) {
    static auto real = Real<SDL_RWops* (*)(FILE*, int)>("SDL_RWFromFP");
    return Unnamed(real(file, autoClose));
}

SDL_RWops* SDL_RWFromMem(void* memory, int size) {
    static auto real = Real<SDL_RWops* (*)(void*, int)>("SDL_RWFromMem");
    return Unnamed(real(memory, size));
}

SDL_RWops* SDL_RWFromConstMem(const void* memory, int size) {
    static auto real = Real<SDL_RWops* (*)(const void*, int)>("SDL_RWFromConstMem");
    return Unnamed(real(memory, size));
}

SDL_RWops* SDL_AllocRW(void) {
    static auto real = Real<SDL_RWops* (*)(void)>("SDL_AllocRW");
    return Unnamed(real());
}

SDL_Surface* IMG_Load(const char* file) {
    static auto real = Real<SDL_Surface* (*)(const char*)>("IMG_Load", "libSDL_image-1.2.so.0");
    SDL_Surface* read = real(file);
    Name(read, file);
    return read;
}

SDL_Surface* SDL_LoadBMP_RW(SDL_RWops* source, int freeSource) {
    static auto real = Real<SDL_Surface* (*)(SDL_RWops*, int)>("SDL_LoadBMP_RW");
    const std::string name = StreamName(source, freeSource);
    SDL_Surface* read = real(source, freeSource);
    Name(read, name);
    return read;
}

SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    static auto real = Real<SDL_Surface* (*)(SDL_Surface*)>("SDL_DisplayFormat");
    SDL_Surface* converted = real(surface);
    const auto named = names.find(surface);
    if (named != names.end()) {
        Name(converted, named->second);
    }
    if (CallHooks::converted) {
        CallHooks::converted(converted);
    }
    return converted;
}

void SDL_FreeSurface(SDL_Surface* surface) {
    static auto real = Real<void (*)(SDL_Surface*)>("SDL_FreeSurface");
    names.erase(surface);
    real(surface);
}

int SDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key) {
    static auto real = Real<int (*)(SDL_Surface*, Uint32, Uint32)>("SDL_SetColorKey");
    if (Listens(CallLog::Keys) && surface) {
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(key, surface->format, &r, &g, &b);
        char line[64];
        std::snprintf(line, sizeof line, " %x %d,%d,%d", flag, r, g, b);
        CallLog::Note("key " + NameOf(surface, surface) + line);
    }
    return real(surface, flag, key);
}

int SDL_UpperBlit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* destination,
                  SDL_Rect* to) {
    static auto real =
        Real<int (*)(SDL_Surface*, SDL_Rect*, SDL_Surface*, SDL_Rect*)>("SDL_UpperBlit");
    if (CallHooks::blitted) {
        CallHooks::blitted(source, sourceRect, to);
    }
    if (Listens(CallLog::Blits) && destination == SDL_GetVideoSurface()) {
        std::string line = "blit " + NameOf(source, source) + " ";
        line += to ? std::to_string(to->x) + "," + std::to_string(to->y) : "0,0";
        if (sourceRect) {
            line += " from " + std::to_string(sourceRect->x) + "," + std::to_string(sourceRect->y);
        }
        CallLog::Note(line);
    }
    return real(source, sourceRect, destination, to);
}

int SDL_Flip(SDL_Surface* screen) {
    static auto real = Real<int (*)(SDL_Surface*)>("SDL_Flip");
    if (Listens(CallLog::Flips)) {
        CallLog::Note("flip " + std::to_string(Platform::GetTicks()));
    }
    return real(screen);
}

Mix_Music* Mix_LoadMUS(const char* file) {
    static auto real = Real<Mix_Music* (*)(const char*)>("Mix_LoadMUS");
    Mix_Music* music = real(file);
    Name(music, file);
    return music;
}

void Mix_FreeMusic(Mix_Music* music) {
    static auto real = Real<void (*)(Mix_Music*)>("Mix_FreeMusic");
    names.erase(music);
    real(music);
}

int Mix_PlayMusic(Mix_Music* music, int loops) {
    static auto real = Real<int (*)(Mix_Music*, int)>("Mix_PlayMusic");
    if (Listens(CallLog::Music)) {
        CallLog::Note("music " + NameOf(music) + " loops " + std::to_string(loops) + " " +
                      std::to_string(Platform::GetTicks()));
    }
    return real(music, loops);
}

// The game's fades last a second of real time, and SDL_mixer waits for a
// fade to end before it frees the track: on virtual time that second would
// hold up every play-through's tear-down. The fade is noted, and the music
// stops at once instead.
int Mix_FadeOutMusic(int ms) {
    static auto playing = Real<int (*)(void)>("Mix_PlayingMusic");
    if (Listens(CallLog::Music)) {
        CallLog::Note("fade " + std::to_string(ms) + " " + std::to_string(Platform::GetTicks()));
    }
    const int fading = playing();
    Mix_HaltMusic();
    return fading;
}

int Mix_PlayingMusic(void) {
    static auto real = Real<int (*)(void)>("Mix_PlayingMusic");
    return listening && listening->musicPlaying >= 0 ? listening->musicPlaying : real();
}

Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* source, int freeSource) {
    static auto real = Real<Mix_Chunk* (*)(SDL_RWops*, int)>("Mix_LoadWAV_RW");
    const std::string name = StreamName(source, freeSource);
    Mix_Chunk* chunk = real(source, freeSource);
    Name(chunk, name);
    return chunk;
}

void Mix_FreeChunk(Mix_Chunk* chunk) {
    static auto real = Real<void (*)(Mix_Chunk*)>("Mix_FreeChunk");
    names.erase(chunk);
    real(chunk);
}

int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    static auto real = Real<int (*)(int, Mix_Chunk*, int, int)>("Mix_PlayChannelTimed");
    if (Listens(CallLog::Sounds)) {
        CallLog::Note("sound " + NameOf(chunk) + " channel " + std::to_string(channel) + " loops " +
                      std::to_string(loops) + " ticks " + std::to_string(ticks));
    }
    return real(channel, chunk, loops, ticks);
}

void srand(unsigned int seed) noexcept {
    static auto real = Real<void (*)(unsigned int)>("srand");
    if (Listens(CallLog::Seeds)) {
        CallLog::Note("srand");
    }
    real(seed);
}

}  // extern "C"
