// SPDX-License-Identifier: MIT
#include "simulation/Replay.h"

#include <cstring>
#include <fstream>
#include <memory>

#include "platform/Failure.h"
#include "platform/GameFile.h"

namespace {

enum Tag : char {
    TicksTag = 'T',
    DelayTag = 'D',
    EventTag = 'E',
    NoEventTag = 'N',
    KeysTag = 'K',
    StickTag = 'J',
};

}  // namespace

bool ReadRegularFile(const std::string& path, std::string* contents) {
    // Through the game's own door: opened once without waiting, a regular
    // file only, read through the descriptor it was checked on.
    const std::unique_ptr<GameFile> file = GameFile::Open(path.c_str());
    if (!file) {
        return false;
    }
    contents->assign(reinterpret_cast<const char*>(file->Bytes()), file->Size());
    return true;
}

bool ReplayLog::Save(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << Header;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    // Judged once the last bytes have left the stream's buffer: a full disk
    // shows only then.
    out.close();
    return !out.fail();
}

bool ReplayLog::Load(const std::string& path) {
    std::string file;
    const size_t header = std::strlen(Header);
    if (!ReadRegularFile(path, &file) || file.compare(0, header, Header) != 0) {
        return false;
    }
    // Exactly the recorded bytes, with no room behind them: a read past the
    // end is a read outside the buffer, which the sanitizer build reports.
    bytes =
        std::vector<unsigned char>(file.begin() + static_cast<std::ptrdiff_t>(header), file.end());
    readAt = 0;
    return true;
}

// Seven bits at a time, low first; the top bit says more follow.
void ReplayLog::PutNumber(Uint32 value) {
    while (value >= 0x80) {
        bytes.push_back(static_cast<unsigned char>(value | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<unsigned char>(value));
}

// Every byte of a record is read through here, so that a recording cut
// anywhere stops the replay at the cut.
unsigned char ReplayLog::TakeByte(const char* record) {
    if (readAt >= bytes.size()) {
        StopWithError(1, "replay: the recording ends in the middle of %s", record);
    }
    return bytes[readAt++];
}

Uint32 ReplayLog::TakeNumber(const char* record) {
    Uint32 value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const unsigned char byte = TakeByte(record);
        value |= static_cast<Uint32>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) {
            return value;
        }
    }
    StopWithError(1, "replay: %s in the recording is damaged", record);
}

char ReplayLog::TakeTag(char tag, const char* call) {
    if (readAt >= bytes.size()) {
        StopWithError(1, "replay: the game asked for %s after the recording ended", call);
    }
    const char found = static_cast<char>(bytes[readAt++]);
    const bool isEvent = found == EventTag || found == NoEventTag;
    if (found != tag && !(tag == EventTag && isEvent)) {
        StopWithError(1, "replay: the game asked for %s where the recording holds '%c' (byte %zu)",
                      call, found, readAt - 1);
    }
    return found;
}

void ReplayLog::PutTicks(Uint32 ticks) {
    bytes.push_back(TicksTag);
    PutNumber(ticks - lastTicks);  // unsigned: wraps cleanly
    lastTicks = ticks;
}

Uint32 ReplayLog::TakeTicks() {
    TakeTag(TicksTag, "the clock");
    lastTicks += TakeNumber("a clock reading");
    return lastTicks;
}

void ReplayLog::PutDelay(Uint32 ms) {
    bytes.push_back(DelayTag);
    PutNumber(ms);
}

void ReplayLog::TakeDelay() {
    TakeTag(DelayTag, "a delay");
    TakeNumber("a delay");
}

// Only what the game looks at in an event is kept: its type, the key and
// the joystick button.
void ReplayLog::PutEvent(const SDL_Event* event) {
    if (!event) {
        bytes.push_back(NoEventTag);
        return;
    }
    bytes.push_back(EventTag);
    bytes.push_back(event->type);
    PutNumber(event->type == SDL_KEYDOWN || event->type == SDL_KEYUP
                  ? static_cast<Uint32>(event->key.keysym.sym)
                  : 0);
    PutNumber(event->type == SDL_JOYBUTTONDOWN || event->type == SDL_JOYBUTTONUP
                  ? static_cast<Uint32>(event->jbutton.button)
                  : 0);
}

bool ReplayLog::TakeEvent(SDL_Event* event) {
    if (TakeTag(EventTag, "an event") == NoEventTag) {
        return false;
    }
    SDL_Event recorded = {};
    recorded.type = TakeByte("an event");
    const Uint32 key = TakeNumber("an event");
    const Uint32 button = TakeNumber("an event");
    if (recorded.type == SDL_KEYDOWN || recorded.type == SDL_KEYUP) {
        recorded.key.type = recorded.type;
        recorded.key.keysym.sym = static_cast<SDLKey>(key);
    } else if (recorded.type == SDL_JOYBUTTONDOWN || recorded.type == SDL_JOYBUTTONUP) {
        recorded.jbutton.type = recorded.type;
        recorded.jbutton.button = static_cast<Uint8>(button);
    }
    if (event) {
        *event = recorded;
    }
    return true;
}

void ReplayLog::PutKeys(const Uint8* keys) {
    bytes.push_back(KeysTag);
    Uint32 changed = 0;
    for (int key = 0; key < SDLK_LAST; ++key) {
        changed += keys[key] != lastKeys[key];
    }
    PutNumber(changed);
    for (int key = 0; key < SDLK_LAST; ++key) {
        if (keys[key] != lastKeys[key]) {
            PutNumber(static_cast<Uint32>(key));
            bytes.push_back(keys[key]);
            lastKeys[key] = keys[key];
        }
    }
}

const Uint8* ReplayLog::TakeKeys() {
    TakeTag(KeysTag, "the key state");
    const Uint32 changed = TakeNumber("a key state");
    for (Uint32 i = 0; i < changed; ++i) {
        const Uint32 key = TakeNumber("a key state");
        if (key >= SDLK_LAST) {
            StopWithError(1, "replay: a key state in the recording is damaged");
        }
        lastKeys[key] = TakeByte("a key state");
    }
    return lastKeys;
}

void ReplayLog::PutJoystick(const JoystickState& state) {
    bytes.push_back(StickTag);
    const Uint8 flags[5] = {state.up, state.down, state.left, state.right, state.fire};
    Uint32 packed = 0;
    for (int i = 0; i < 5; ++i) {
        packed |= static_cast<Uint32>(flags[i] ? 1 : 0) << i;
    }
    bytes.push_back(static_cast<unsigned char>(packed));
}

void ReplayLog::TakeJoystick(JoystickState* state) {
    TakeTag(StickTag, "the stick");
    const unsigned char packed = TakeByte("a stick state");
    state->up = packed & 1;
    state->down = (packed >> 1) & 1;
    state->left = (packed >> 2) & 1;
    state->right = (packed >> 3) & 1;
    state->fire = (packed >> 4) & 1;
}

Uint32 RecordingPlatform::GetTicks() {
    const Uint32 ticks = inner->GetTicks();
    log->PutTicks(ticks);
    return ticks;
}

void RecordingPlatform::Delay(Uint32 ms) {
    log->PutDelay(ms);
    inner->Delay(ms);
}

int RecordingPlatform::PollEvent(SDL_Event* event) {
    SDL_Event polled;
    const int got = inner->PollEvent(&polled);
    log->PutEvent(got ? &polled : nullptr);
    if (got && event) {
        *event = polled;
    }
    return got;
}

Uint8* RecordingPlatform::GetKeyState() {
    Uint8* keys = inner->GetKeyState();
    log->PutKeys(keys);
    return keys;
}

void RecordingPlatform::PassJoystick(JoystickState* state) {
    inner->PassJoystick(state);
    log->PutJoystick(*state);
}

void ReplayPlatform::Delay(Uint32 ms) {
    log->TakeDelay();
    DelayPassed(ms);
}

Uint8* ReplayPlatform::GetKeyState() {
    std::memcpy(keys, log->TakeKeys(), sizeof keys);
    return keys;
}
