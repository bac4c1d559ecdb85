// SPDX-License-Identifier: MIT
#pragma once

// Stops the game when it cannot go on (a picture that cannot be read, a
// display that cannot be opened): prints the message to standard error,
// releases the audio device and the display, and exits with the given code.
[[noreturn]] void StopWithError(int exitCode, const char* format, ...);

// Releases the mixer and SDL; safe to call more than once.
void ShutDownSdl();
