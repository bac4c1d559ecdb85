#include "tests/BadFilesTree.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

bool IsPicture(const std::string& file) {
    return file.rfind("Images/", 0) == 0;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

BadFilesTree::BadFilesTree() {
    char folder[] = "/tmp/corvanel-bad-files-XXXXXX";
    if (!mkdtemp(folder)) {
        ADD_FAILURE() << "cannot make a scratch folder";
        return;
    }
    root = folder;
    const fs::path data = CORVANEL_DATA_DIR;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data)) {
        const fs::path copy = root / fs::relative(entry.path(), data);
        if (entry.is_directory()) {
            fs::create_directories(copy);
        } else {
            fs::create_symlink(entry.path(), copy);
        }
    }
}

BadFilesTree::~BadFilesTree() {
    if (!root.empty()) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}

std::string BadFilesTree::Original(const std::string& file) {
    return ReadFileBytes(std::string(CORVANEL_DATA_DIR) + "/" + file);
}

void BadFilesTree::Remove(const std::string& file) {
    fs::remove(root + "/" + file);
}

void BadFilesTree::Write(const std::string& file, const std::string& bytes) {
    Remove(file);  // the link, not the real file behind it
    std::ofstream out(root + "/" + file, std::ios::binary);
    out << bytes;
}

void BadFilesTree::Truncate(const std::string& file) {
    const std::string whole = Original(file);
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
            tree.Write(file, BadFilesTree::Original(IsPicture(file) ? "Sound/Shot1.wav"
                                                                    : "Images/Heros/Corvanel.png"));
            break;
    }
}

WorkingFolder::WorkingFolder(const std::string& folder) : previous(fs::current_path()) {
    fs::current_path(folder);
}

WorkingFolder::~WorkingFolder() {
    fs::current_path(previous);
}

CommandResult RunCommandIn(const std::string& folder, const std::string& environment,
                           const std::string& command) {
    const std::string out = folder + "/.out.txt";
    const std::string err = folder + "/.err.txt";
    const std::string line = "cd '" + folder + "' && " + environment + " timeout 60 " + command +
                             " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(line.c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(out);
    result.err = ReadFileBytes(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return result;
}
