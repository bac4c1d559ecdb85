# SPDX-License-Identifier: MIT
"""What the game's screens look like, told from screenshots: the title
picture, the HUD frame around the playfield during play, and a playfield
that moves. The references are the game's own pictures in its data folder.
Also the steps every window test shares: start the game up to its title,
quit it from there, report a failure."""

import os
import subprocess
import sys

import pixels
import xsession

FRAME_KEY = (255, 255, 0)  # the frame's see-through colour
GAUGE_BOX = (0, 0, 140, 64)  # the lives gauge covers this corner of the frame
PLAYFIELD = (138, 502)  # columns between the frame's sides
# Drawn pictures match exactly; a little tolerance and share allow for a
# screenshot taken while the display flips.
MATCHING_SHARE = 0.97
# Loading, the lead-in and a busy machine fit well inside.
WAIT_SECONDS = 15


class Failure(Exception):
    pass


class Screens:
    def __init__(self, data_dir):
        panorama = os.path.join(data_dir, "Images", "Panorama")
        self.title_picture = pixels.read_png(os.path.join(panorama, "Titre.png"))
        self.frame_picture = pixels.read_png(os.path.join(panorama, "Contour.png"))
        self.everywhere = pixels.grid(0, 0, 640, 480, 8)
        self.frame_sides = [(x, y) for x, y in pixels.grid(0, 0, 640, 480, 4)
                            if self._on_frame_side(x, y)]
        self.playfield = pixels.grid(PLAYFIELD[0] + 2, 0, PLAYFIELD[1], 480, 4)

    def _on_frame_side(self, x, y):
        left, top, right, bottom = GAUGE_BOX
        in_gauge = left <= x < right and top <= y < bottom
        on_side = x < PLAYFIELD[0] or x >= PLAYFIELD[1]
        return on_side and not in_gauge and self.frame_picture.pixel(x, y) != FRAME_KEY

    def title(self, picture):
        """The title picture fills the screen."""
        return pixels.share_matching(picture, self.title_picture,
                                     self.everywhere) >= MATCHING_SHARE

    def playing(self, picture):
        """The HUD frame's opaque sides are on screen."""
        return pixels.share_matching(picture, self.frame_picture,
                                     self.frame_sides) >= MATCHING_SHARE

    def moved(self, before, after):
        """The share of the playfield that changed between two screenshots."""
        return 1 - pixels.share_matching(before, after, self.playfield)


def check(condition, message, picture=None, name="failure"):
    """Raises Failure with the message; keeps the screenshot beside the test
    (in its working folder) to look at."""
    if condition:
        return
    if picture is not None:
        path = os.path.abspath(f"{name}.png")
        picture.save_png(path)
        message += f" (screenshot: {path})"
    raise Failure(message)


def start_at_title(server, screens, argv, cwd, env):
    """Starts the game and waits for its title picture."""
    env = dict(env, SDL_VIDEODRIVER="x11")
    game, picture, shown = xsession.start_program(server, argv, cwd, env, screens.title,
                                                  WAIT_SECONDS)
    if not shown:
        code, output = game.wait(0), game.output()
        game.stop()
        check(False, f"the title picture did not show (exit code {code}): {output}", picture,
              "title")
    return game


def quit_from_title(server, game):
    server.press("Escape")
    code = game.wait(WAIT_SECONDS)
    check(code == 0, f"ESC on the title ended the game with {code}: " + game.output())


def run_test(test, *args):
    """Runs test(*args) and turns its failure into a message and exit code 1."""
    try:
        test(*args)
    except (Failure, xsession.XServerError, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", flush=True)
        sys.exit(1)
    print("passed")
