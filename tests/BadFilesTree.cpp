// SPDX-License-Identifier: MIT
#include "tests/BadFilesTree.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

BadFilesTree::BadFilesTree() {
    if (Path().empty()) {
        return;  // the scratch folder has failed the test
    }
    const fs::path data = CORVANEL_DATA_DIR;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data)) {
        const fs::path copy = Path() / fs::relative(entry.path(), data);
        if (entry.is_directory()) {
            fs::create_directories(copy);
        } else {
            fs::create_symlink(entry.path(), copy);
        }
    }
}

void BadFilesTree::Remove(const std::string& file) {
    fs::remove(PathOf(file));
}

void BadFilesTree::Write(const std::string& file, const std::string& bytes) {
    Remove(file);  // the link, not the real file behind it
    std::ofstream out(PathOf(file), std::ios::binary);
    out << bytes;
}

void BadFilesTree::Truncate(const std::string& file) {
    const std::string whole = ReadFileBytes(DataPath(file));
    Write(file, whole.substr(0, whole.size() / 2));
}

const char* DamageName(Damage damage) {
    switch (damage) {
        case Damage::Missing:
            return "missing";
        case Damage::Empty:
            return "empty";
        case Damage::Truncated:
            return "truncated";
        case Damage::WrongFormat:
            return "wrong format";
    }
    return "?";
}

void DamageFile(BadFilesTree& tree, const std::string& file, Damage damage) {
    const bool isPicture = file.rfind("Images/", 0) == 0;
    switch (damage) {
        case Damage::Missing:
            tree.Remove(file);
            break;
        case Damage::Empty:
            tree.Write(file, "");
            break;
        case Damage::Truncated:
            tree.Truncate(file);
            break;
        case Damage::WrongFormat:
            tree.Write(file, ReadFileBytes(DataPath(isPicture ? "Sound/Shot1.wav"
                                                              : "Images/Heros/Corvanel.png")));
            break;
    }
}
