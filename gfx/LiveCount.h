// SPDX-License-Identifier: MIT
#pragma once

// How many of each kind of resource the game holds at this moment. Each is
// counted up where it is made and down where it is released, so a
// play-through that releases everything it made leaves every count where it
// found it; the ownership tests read the counts. A plain array on the game's
// one thread: counting costs an increment, nothing is looked up or allocated.
enum class Held { Surface, Chunk, Music, Font, Shot, Enemy, KindCount };

namespace LiveCount {

inline int counts[static_cast<int>(Held::KindCount)] = {};

inline void Made(Held kind) {
    ++counts[static_cast<int>(kind)];
}
inline void Released(Held kind) {
    --counts[static_cast<int>(kind)];
}
inline int Of(Held kind) {
    return counts[static_cast<int>(kind)];
}

}  // namespace LiveCount

// A member that counts the object holding it for as long as that lives,
// copies included.
template <Held Kind>
class CountedLife {
public:
    CountedLife() { LiveCount::Made(Kind); }
    CountedLife(const CountedLife&) { LiveCount::Made(Kind); }
    CountedLife& operator=(const CountedLife&) { return *this; }
    ~CountedLife() { LiveCount::Released(Kind); }
};
