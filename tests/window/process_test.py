#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The real game as a process on a real (virtual) X display, started with
its standard descriptors closed and a stand-in stick plugged in: they stay
on /dev/null rather than going to the display's connection, the title
screen opens the stick every time it shows, and the descriptors the game
holds at the title after three play-throughs are those it held after one.

usage: process_test.py GAME_BINARY DATA_DIR"""

import os
import subprocess
import sys
import tempfile

import xsession
from screens import WAIT_SECONDS, Screens, check, run_test

PLAY_THROUGHS = 3


def close_standard_descriptors():
    for descriptor in (0, 1, 2):
        os.close(descriptor)


def held(pid):
    """What each open descriptor of the process leads to, by number."""
    folder = f"/proc/{pid}/fd"
    targets = {}
    for name in os.listdir(folder):
        try:
            targets[int(name)] = os.readlink(os.path.join(folder, name))
        except OSError:
            pass  # closed while we looked
    return targets


def title_after(server, screens, key):
    server.press(key)
    picture, shown = server.wait_for(screens.playing, WAIT_SECONDS)
    check(shown, "RETURN did not start play", picture, "play")
    server.press("Escape")
    picture, shown = server.wait_for(screens.title, WAIT_SECONDS)
    check(shown, "ESC did not bring the title back", picture, "back-to-title")


def process_session(game_binary, data_dir):
    screens = Screens(data_dir)
    with tempfile.TemporaryDirectory() as scratch, xsession.XServer() as server:
        stick = os.path.join(scratch, "stick")
        open(stick, "wb").close()
        env = server.environment(SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy",
                                 SDL_JOYSTICK_DEVICE=stick)
        game = subprocess.Popen([game_binary], cwd=data_dir, env=env,
                                preexec_fn=close_standard_descriptors)
        try:
            picture, shown = server.wait_for(
                lambda p: game.poll() is not None or screens.title(p), WAIT_SECONDS)
            check(shown and game.poll() is None,
                  f"no title with closed standard descriptors (exit code {game.poll()})",
                  picture, "title")
            at_title = []
            for play_through in range(PLAY_THROUGHS + 1):
                if play_through:
                    title_after(server, screens, "Return")
                descriptors = held(game.pid)
                standard = [descriptors.get(d) for d in (0, 1, 2)]
                check(standard == ["/dev/null"] * 3, f"standard descriptors lead to {standard}")
                check(stick in descriptors.values(), f"the title did not open the stick: "
                      f"{sorted(descriptors.values())}")
                at_title.append(sorted(descriptors.values()))
            check(at_title[-1] == at_title[1],
                  f"after {PLAY_THROUGHS} play-throughs the game holds {at_title[-1]}, "
                  f"after one {at_title[1]}")
            server.press("Escape")
            try:
                code = game.wait(WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                code = None
            check(code == 0, f"ESC on the title ended the game with {code}")
        finally:
            xsession._end(game)


if __name__ == "__main__":
    run_test(process_session, os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
