// SPDX-License-Identifier: MIT
#include "app/Program.h"

// The command line is ignored: the game has no options.
int main(int, char**) {
    return RunProgram();
}
