#pragma once

#include <string>

// A copy of the generated data folder in a scratch folder, in which a test
// damages files without touching the real ones: the copy is a tree of
// symbolic links, and a damaged file replaces its link with a file of its
// own. Paths are relative to the data folder ("Images/Panorama/Titre.png").
// Removed again when it goes.
class BadFilesTree {
public:
    BadFilesTree();
    ~BadFilesTree();
    BadFilesTree(const BadFilesTree&) = delete;
    BadFilesTree& operator=(const BadFilesTree&) = delete;

    const std::string& Path() const { return root; }

    // The bytes of a file of the real data folder.
    static std::string Original(const std::string& file);

    void Remove(const std::string& file);
    void Write(const std::string& file, const std::string& bytes);
    // The first half of the original file, as an interrupted copy leaves it.
    void Truncate(const std::string& file);

private:
    std::string root;
};

// The bytes of any file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The bytes of an array, such as a fuzz finding kept in a test.
template <size_t Size>
std::string BytesOf(const unsigned char (&bytes)[Size]) {
    return std::string(reinterpret_cast<const char*>(bytes), Size);
}

// The ways a file can be bad, for tests that try each of them on one file.
enum class Damage { Missing, Empty, Truncated, WrongFormat };
const char* DamageName(Damage damage);
// Applies the damage; a file in the wrong format holds the bytes of a sound
// where a picture belongs and those of a picture where a sound belongs.
void DamageFile(BadFilesTree& tree, const std::string& file, Damage damage);

// Works in another folder for as long as it lives.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::string previous;
};

// What a program run through the shell left behind.
struct CommandResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};
// Runs the command in the folder, with the environment settings put before
// it (such as "SDL_VIDEODRIVER=dummy"), for at most 60 seconds.
CommandResult RunCommandIn(const std::string& folder, const std::string& environment,
                           const std::string& command);
