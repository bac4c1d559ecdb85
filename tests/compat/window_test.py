#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The window test (tests/window/play_session_test.py) on the SDL2-based
SDL 1.2: the same title, play, keys and sound, with the compatibility
library's folder first on the library path, and a check that the game
really loaded that library.

usage: window_test.py GAME_BINARY DATA_DIR COMPAT_DIR"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
import play_session_test  # noqa: E402
import screens  # noqa: E402


def loaded_sdl(pid):
    """The SDL 1.2 library files mapped into the process."""
    with open(f"/proc/{pid}/maps") as maps:
        paths = {line.split()[-1] for line in maps if "/libSDL-1.2.so" in line}
    return sorted(paths)


def start_on_compat(compat_dir):
    wanted = os.path.realpath(compat_dir) + os.sep
    start_at_title = play_session_test.start_at_title

    def start(server, shown, argv, cwd, env):
        game = start_at_title(server, shown, argv, cwd, env)
        libraries = loaded_sdl(game.process.pid)
        if not any(os.path.realpath(path).startswith(wanted) for path in libraries):
            game.stop()
            screens.check(False, f"the game did not load SDL from {compat_dir}: {libraries}")
        print(f"the game runs on {', '.join(libraries)}", flush=True)
        return game

    return start


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    game_binary, data_dir, compat_dir = (os.path.abspath(arg) for arg in sys.argv[1:])
    if not os.path.exists(os.path.join(compat_dir, "libSDL-1.2.so.0")):
        print(f"FAILED: no compatibility library in {compat_dir}", flush=True)
        sys.exit(1)
    os.environ["LD_LIBRARY_PATH"] = compat_dir
    play_session_test.start_at_title = start_on_compat(compat_dir)
    play_session_test.run_test(play_session_test.play_session, game_binary, data_dir)
