// SPDX-License-Identifier: MIT
#include "platform/RegularFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

SDL_RWops* Refuse(const char* reason) {
    SDL_SetError("%s", reason);
    return nullptr;
}

}  // namespace

SDL_RWops* OpenRegularFile(const char* path) {
    struct stat status = {};
    if (stat(path, &status) != 0) {
        return Refuse(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Refuse("not a regular file");
    }
    // Opened without waiting first: whatever was swapped in since the look
    // above is looked at again before anything reads it.
    const int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return Refuse(std::strerror(errno));
    }
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    close(descriptor);
    if (!regular) {
        return Refuse("not a regular file");
    }
    SDL_RWops* stream = SDL_RWFromFile(path, "rb");
    if (!stream) {
        return Refuse(std::strerror(errno));
    }
    return stream;
}
