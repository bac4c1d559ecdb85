// SPDX-License-Identifier: MIT
#pragma once

// The whole program: opens the display and the audio device, then alternates
// between the title screen and play-throughs until the player quits.
// Returns the process exit code.
int RunProgram();
