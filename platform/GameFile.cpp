// SPDX-License-Identifier: MIT
#include "platform/GameFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

void (*GameFile::handingOver)(const char* path) = nullptr;

namespace {

std::unique_ptr<GameFile> Refuse(const char* reason) {
    SDL_SetError("%s", reason);
    return nullptr;
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int number;
    ~Descriptor() {
        if (number >= 0) {
            close(number);
        }
    }
};

}  // namespace

std::unique_ptr<GameFile> GameFile::Open(const char* path) {
    const Descriptor file{open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.number < 0) {
        return Refuse(std::strerror(errno));
    }
    struct stat status = {};
    if (fstat(file.number, &status) != 0) {
        return Refuse(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Refuse("not a regular file");
    }
    if (status.st_size > LargestGameFile) {
        SDL_SetError("a file of %ld MiB is larger than any the game reads",
                     static_cast<long>(status.st_size >> 20));
        return nullptr;
    }
    std::unique_ptr<GameFile> read(new GameFile(path));
    read->bytes.resize(static_cast<size_t>(status.st_size));
    size_t got = 0;
    while (got < read->bytes.size()) {
        const ssize_t more =
            ::read(file.number, read->bytes.data() + got, read->bytes.size() - got);
        if (more < 0 && errno == EINTR) {
            continue;
        }
        if (more < 0) {
            return Refuse(std::strerror(errno));
        }
        if (more == 0) {
            break;  // cut short since the look at its size: what is there is the file
        }
        got += static_cast<size_t>(more);
    }
    read->bytes.resize(got);
    return read;
}
