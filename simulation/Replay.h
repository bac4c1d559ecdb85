// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Joystick.h"
#include "simulation/DrivenPlatform.h"

// Reads the whole of a file the simulator is given (a recording, a script),
// opened once without waiting and read only if it is a regular file: a
// folder, a device or a FIFO gives false, as a file that cannot be read.
bool ReadRegularFile(const std::string& path, std::string* contents);

// Everything that crossed the platform seam during a run, in order: every
// clock reading, delay, event poll, key state and stick state. Replaying it
// gives the game exactly the same inputs, so the run repeats exactly.
//
// The file is a short header and one record per call: a tag byte and a
// few bytes of payload, clock readings as differences from the last one
// and key states as the keys that changed.
class ReplayLog {
public:
    static constexpr const char* Header = "CORVANEL REPLAY 1\n";

    bool Save(const std::string& path) const;
    bool Load(const std::string& path);
    size_t Size() const { return bytes.size(); }

    // Writing, call by call.
    void PutTicks(Uint32 ticks);
    void PutDelay(Uint32 ms);
    void PutEvent(const SDL_Event* event);  // null: the queue was empty
    void PutKeys(const Uint8* keys);
    void PutJoystick(const JoystickState& state);

    // Reading, call by call; each stops the simulator with a message when
    // the game asks for something else than what was recorded.
    Uint32 TakeTicks();
    void TakeDelay();
    bool TakeEvent(SDL_Event* event);
    const Uint8* TakeKeys();
    void TakeJoystick(JoystickState* state);

private:
    void PutNumber(Uint32 value);
    // What a cut or damaged recording stops with names the record read.
    unsigned char TakeByte(const char* record);
    Uint32 TakeNumber(const char* record);
    // The next record's tag, when it is the one the game asks for.
    char TakeTag(char tag, const char* call);

    std::vector<unsigned char> bytes;
    size_t readAt = 0;
    Uint32 lastTicks = 0;
    Uint8 lastKeys[SDLK_LAST] = {};
};

// Passes every call to another platform and notes the answers.
class RecordingPlatform : public PlatformBackend {
public:
    RecordingPlatform(PlatformBackend* inner, ReplayLog* log) : inner(inner), log(log) {}

    Uint32 GetTicks() override;
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override;
    Uint8* GetKeyState() override;
    void PassJoystick(JoystickState* state) override;

private:
    PlatformBackend* inner;
    ReplayLog* log;
};

// Answers every call from a recorded log, on the log's own time.
class ReplayPlatform : public DrivenPlatform {
public:
    explicit ReplayPlatform(ReplayLog* log) : log(log) {}

    Uint32 GetTicks() override { return log->TakeTicks(); }
    void Delay(Uint32 ms) override;
    int PollEvent(SDL_Event* event) override { return log->TakeEvent(event) ? 1 : 0; }
    Uint8* GetKeyState() override;
    void PassJoystick(JoystickState* state) override { log->TakeJoystick(state); }

private:
    ReplayLog* log;
    Uint8 keys[SDLK_LAST] = {};
};
