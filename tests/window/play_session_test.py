#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end: the real game in a real (virtual) X display, driven by real
key events. Title screen, RETURN into play, fly and fire, ESC back to the
title, ESC out with exit code 0; the audio, recorded to a file, is not
silent once play has started.

usage: play_session_test.py GAME_BINARY DATA_DIR"""

import array
import os
import sys
import tempfile
import time

import xsession
from screens import WAIT_SECONDS, Screens, check, quit_from_title, run_test, start_at_title

# SDL's disk audio driver writes what it would play into a file; with a delay
# of one buffer (2048 frames at 44100 Hz) a write every 46 ms, it keeps up
# with real time and the file stays small.
DISK_AUDIO = dict(SDL_AUDIODRIVER="disk", SDL_DISKAUDIODELAY="46")
LOUD_SAMPLE = 1000  # of 32767: music and shots are far louder, silence is 0


def audio_written(path):
    return os.path.getsize(path) if os.path.exists(path) else 0


def loudest_sample(path, offset):
    """The largest 16-bit sample written to the audio file after `offset`."""
    samples = array.array("h")
    if os.path.exists(path):
        with open(path, "rb") as recording:
            recording.seek(offset)
            samples.frombytes(recording.read())
    if sys.byteorder == "big":
        samples.byteswap()
    return max((abs(sample) for sample in samples), default=0)


def fly(server, screens, audio_file):
    """From the title into play and back; returns the audio written meanwhile."""
    server.press("Return")
    picture, shown = server.wait_for(screens.playing, WAIT_SECONDS)
    check(shown, "RETURN did not start play (no HUD frame)", picture, "play")
    audio_at_play = audio_written(audio_file)
    time.sleep(0.5)
    later = server.grab()
    moved = screens.moved(picture, later)
    check(moved > 0.2, f"the playfield did not move ({moved:.0%} changed)", later, "moved")

    server.hold(["Left", "Up", "g"], 1.5)
    server.hold(["Right", "Down", "g"], 1.0)
    picture = server.grab()
    check(screens.playing(picture), "play stopped while flying and firing", picture, "flying")

    server.press("Escape")
    picture, shown = server.wait_for(screens.title, WAIT_SECONDS)
    check(shown, "ESC did not return to the title picture", picture, "back-to-title")
    loudest = loudest_sample(audio_file, audio_at_play)
    check(loudest >= LOUD_SAMPLE, f"play was silent (loudest sample {loudest})")


def play_session(game_binary, data_dir):
    screens = Screens(data_dir)
    with tempfile.TemporaryDirectory() as scratch, xsession.XServer() as server:
        audio_file = os.path.join(scratch, "audio.raw")
        env = dict(DISK_AUDIO, SDL_DISKAUDIOFILE=audio_file)
        game = start_at_title(server, screens, [game_binary], data_dir, env)
        try:
            fly(server, screens, audio_file)
            quit_from_title(server, game)
        finally:
            game.stop()


if __name__ == "__main__":
    run_test(play_session, os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
