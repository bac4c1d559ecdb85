// SPDX-License-Identifier: MIT
#pragma once

#include <signal.h>

// What the game asks of the process around it, set up before anything else
// and undone when the game returns:
// - Standard input, output and error are open. A descriptor the game was
//   started without is opened on /dev/null, or the display connection or a
//   picture being read would take its number and receive the warnings that
//   SDL, the audio library or the PNG reader write there.
// - A closed pipe on standard output (`corvanel | true`) only fails the
//   write: SIGPIPE is ignored, so nothing skips the shut-down.
// - TERM, INT and HUP (kill, Ctrl+C, the end of a session) end the game
//   from wherever it is: the handler only notes the signal; the next event
//   poll or pause (StopIfSignalled, called at the platform seam) closes the
//   audio device and shuts SDL down, which gives a full-screen display its
//   mode back, then ends the process by the same signal, so that whoever
//   started it sees the usual status. A second signal before that ends it
//   at once. The window's close request is another matter: it stays an
//   event that play ignores.
class ProcessGuard {
public:
    // Opens the missing descriptors and catches the signals, holding them
    // back until LetSignalsIn: SDL puts handlers of its own in place as it
    // starts and takes ours back out for a moment.
    ProcessGuard();
    // Acts on a signal still pending, then gives back the handlers and the
    // signal mask found at the start.
    ~ProcessGuard();
    ProcessGuard(const ProcessGuard&) = delete;
    ProcessGuard& operator=(const ProcessGuard&) = delete;

    // From here on a termination signal reaches the game.
    void LetSignalsIn();

    // A termination signal has arrived and the game has not stopped yet.
    static bool StopPending();
    // When one has: shuts down and ends the process by that signal.
    static void StopIfSignalled();

private:
    struct sigaction previous[3];
    struct sigaction previousPipe;
    sigset_t previousMask;
};
