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
//   from wherever it is, start-up included: the handler only notes the
//   signal; the next step of start-up, event poll or pause
//   (StopIfSignalled, called there and at the platform seam) closes the
//   audio device and shuts SDL down, which gives a full-screen display its
//   mode back, then ends the process by the same signal, so that whoever
//   started it sees the usual status. A game that does not get there
//   within StopGraceSeconds (a start-up waiting on an X server that never
//   answers) is ended by the signal where it stands, and so is a game that
//   gets a second signal. The window's close request is another matter: it
//   stays an event that play ignores.
// - Of these three, one ignored when the game started (`nohup`, a launcher
//   that keeps Ctrl+C from a background job) stays ignored.
class ProcessGuard {
public:
    // How long a noted signal waits for the game to stop by itself.
    static constexpr unsigned StopGraceSeconds = 2;

    // Opens the missing descriptors and catches the signals. SDL leaves a
    // handler it finds in place, so ours stay in while SDL starts.
    ProcessGuard();
    // Acts on a signal still pending, then gives back the handlers and the
    // signal mask found at the start.
    ~ProcessGuard();
    ProcessGuard(const ProcessGuard&) = delete;
    ProcessGuard& operator=(const ProcessGuard&) = delete;

    // A termination signal has arrived and the game has not stopped yet.
    static bool StopPending();
    // When one has: shuts down and ends the process by that signal.
    static void StopIfSignalled();

private:
    struct sigaction previous[3];
    bool caught[3] = {};
    struct sigaction previousPipe;
    struct sigaction previousAlarm;
    sigset_t previousMask;
};
