// SPDX-License-Identifier: MIT
#include "platform/ProcessGuard.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Failure.h"
#include "platform/Trace.h"

namespace {

constexpr int StopSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t pendingSignal = 0;

void NoteStop(int signal) {
    if (pendingSignal != 0) {
        // The first one is already being acted on, or the game is stuck.
        ::signal(signal, SIG_DFL);
        raise(signal);
        return;
    }
    pendingSignal = signal;
}

sigset_t StopSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : StopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Opens /dev/null on each of 0, 1 and 2 that is closed, lowest first, so
// that each opening takes the number that was missing.
void OpenStandardDescriptors() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        const int opened = open("/dev/null", O_RDWR);
        if (opened >= 0 && opened != descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
}

}  // namespace

ProcessGuard::ProcessGuard() {
    OpenStandardDescriptors();
    const sigset_t held = StopSignalSet();
    sigprocmask(SIG_BLOCK, &held, &previousMask);
    struct sigaction noting = {};
    noting.sa_handler = NoteStop;
    sigemptyset(&noting.sa_mask);
    for (int i = 0; i < 3; ++i) {
        sigaction(StopSignals[i], &noting, &previous[i]);
    }
    struct sigaction ignoring = {};
    ignoring.sa_handler = SIG_IGN;
    sigemptyset(&ignoring.sa_mask);
    sigaction(SIGPIPE, &ignoring, &previousPipe);
}

ProcessGuard::~ProcessGuard() {
    LetSignalsIn();
    StopIfSignalled();
    std::fflush(stdout);  // while a closed pipe cannot kill the game
    for (int i = 0; i < 3; ++i) {
        sigaction(StopSignals[i], &previous[i], nullptr);
    }
    sigaction(SIGPIPE, &previousPipe, nullptr);
    sigprocmask(SIG_SETMASK, &previousMask, nullptr);
}

void ProcessGuard::LetSignalsIn() {
    // SDL may have swapped in its own handlers, which turn these signals
    // into the window's close request; ours go back in first.
    struct sigaction noting = {};
    noting.sa_handler = NoteStop;
    sigemptyset(&noting.sa_mask);
    for (int signal : StopSignals) {
        sigaction(signal, &noting, nullptr);
    }
    const sigset_t held = StopSignalSet();
    sigprocmask(SIG_UNBLOCK, &held, nullptr);
}

bool ProcessGuard::StopPending() {
    return pendingSignal != 0;
}

void ProcessGuard::StopIfSignalled() {
    const int signal = pendingSignal;
    if (signal == 0) {
        return;
    }
    ShutDownSdl();
    TRACE("stopped by signal %d", signal);
    std::fflush(stdout);
    std::fflush(stderr);
    ::signal(signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
    std::_Exit(128 + signal);  // only if the signal could not end the process
}
