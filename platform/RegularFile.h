// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Opens a file of the data folder to read, as SDL_RWFromFile does, but only
// a regular file: a folder, a device or a FIFO (whose opening would wait for
// a writer for ever) is refused before it is opened to read. Null, with
// SDL's error set to the reason ("not a regular file", or the system's own
// words for why the file cannot be opened, such as "Permission denied"),
// when it cannot be read.
SDL_RWops* OpenRegularFile(const char* path);
