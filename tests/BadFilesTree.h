// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "tests/TestSupport.h"

// A copy of the generated data folder in a scratch folder, in which a test
// damages files without touching the real ones: the copy is a tree of
// symbolic links, and a damaged file replaces its link with a file of its
// own. Paths are relative to the data folder ("Images/Panorama/Titre.png").
// Removed again when it goes.
class BadFilesTree {
public:
    BadFilesTree();

    const std::string& Path() const { return folder.Path(); }
    std::string PathOf(const std::string& file) const { return Path() + "/" + file; }

    void Remove(const std::string& file);
    void Write(const std::string& file, const std::string& bytes);

private:
    ScratchFolder folder;
};

// The ways a file can be bad, for tests that try each of them on one file.
enum class Damage { Missing, Empty, Truncated, WrongFormat, Folder, Fifo };
inline constexpr Damage EveryDamage[] = {Damage::Missing,     Damage::Empty,  Damage::Truncated,
                                         Damage::WrongFormat, Damage::Folder, Damage::Fifo};
inline const char* DamageName(Damage damage) {
    static const char* const names[] = {"missing",      "empty",  "truncated",
                                        "wrong format", "folder", "fifo"};
    return names[static_cast<int>(damage)];
}
// Applies the damage; a file in the wrong format holds the bytes of a sound
// where a picture belongs and those of a picture where a sound belongs. A
// FIFO with no writer blocks whoever opens it to read.
void DamageFile(BadFilesTree& tree, const std::string& file, Damage damage);

// A black PNG of that size, one bit a pixel: a few hundred kilobytes that
// decode to a picture of a byte a pixel.
std::string PngClaiming(Uint32 width, Uint32 height);
