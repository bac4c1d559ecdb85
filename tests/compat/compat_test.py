#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The game on the SDL2-based SDL 1.2 (sdl12-compat) against the classic
library: the simulator runs the same play-through on both, at once, and
both must end alike, give the same event trace line for line and show the
same screens pixel for pixel.

  play-through  the autopilot wins: the whole trace, three frames of play,
                the newspaper and the summary with its rank
  game-over     an idle ship loses every life: the trace, the title screen
                and the game-over screen

usage: compat_test.py play-through|game-over SIMULATOR DATA_DIR COMPAT_DIR SCRATCH_DIR"""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
import pixels  # noqa: E402

RUNS = {
    "play-through": dict(
        args=["--pilot", "auto"],
        ending="victory",
        screens=["2500", "12500", "20600", "newspaper", "summary"],
        # The library scales every flipped picture up to the (dummy) desktop;
        # nearest-neighbour scaling costs a third of its default and changes
        # nothing the game draws, reads or traces: it only shortens the run.
        compat_env={"SDL12COMPAT_SCALE_METHOD": "nearest"}),
    "game-over": dict(
        args=["--pilot", "idle"],
        ending="game over",
        screens=["title", "gameover"],
        compat_env={}),
}
# Far longer than either run takes on a busy two-core machine.
RUN_SECONDS = 600
TRACE_LINE = re.compile(r"^ *\d+ +\d+\.\d{3}  ")


class Failure(Exception):
    pass


def library_environments(compat_dir, compat_env):
    """The two environments: the library the loader finds by itself, and
    the compatibility library's folder put first."""
    classic = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    classic.pop("LD_LIBRARY_PATH", None)
    compat = dict(classic, LD_LIBRARY_PATH=compat_dir, **compat_env)
    return {"classic": classic, "compatibility": compat}


def start(simulator, data_dir, run, folder, env):
    os.makedirs(folder, exist_ok=True)
    argv = [simulator, "--trace"] + run["args"]
    for screen in run["screens"]:
        argv += ["--screenshot", f"{screen}:{os.path.join(folder, screen + '.png')}"]
    log = open(os.path.join(folder, "output.txt"), "w+")
    process = subprocess.Popen(argv, cwd=data_dir, env=env, stdin=subprocess.DEVNULL,
                               stdout=log, stderr=subprocess.STDOUT)
    return process, log


def finish(name, process, log):
    try:
        code = process.wait(timeout=RUN_SECONDS)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        raise Failure(f"the run on the {name} library took over {RUN_SECONDS} s") from None
    log.seek(0)
    output = log.read().splitlines()
    log.close()
    if code != 0:
        raise Failure(f"the run on the {name} library ended with {code}:\n" +
                      "\n".join(output[-20:]))
    return output


def check_library(name, output):
    said = [line for line in output if line.startswith("ran on ")]
    if not said or not said[-1].startswith(f"ran on {name} SDL"):
        raise Failure(f"the run meant for the {name} library said: "
                      f"{said[-1] if said else 'nothing about its SDL'}")
    return said[-1][len("ran on "):]


def compare_traces(classic, compat, ending):
    if not classic:
        raise Failure("the classic run printed no trace")
    if not any(f"play ends: {ending}" in line for line in classic):
        raise Failure(f"the classic run did not end in {ending}: {classic[-1]}")
    for number, (a, b) in enumerate(zip(classic, compat), 1):
        if a != b:
            raise Failure(f"the traces part at line {number}:\n  classic: {a}\n  compat:  {b}")
    if len(classic) != len(compat):
        raise Failure(f"the classic trace has {len(classic)} lines, the compatibility "
                      f"library's {len(compat)}")


def compare_screens(screens, classic_dir, compat_dir):
    for screen in screens:
        paths = [os.path.join(folder, screen + ".png") for folder in (classic_dir, compat_dir)]
        missing = [path for path in paths if not os.path.exists(path)]
        if missing:
            raise Failure(f"no screenshot of {screen}: {missing[0]}")
        a, b = (pixels.read_png(path) for path in paths)
        if (a.width, a.height) != (b.width, b.height):
            raise Failure(f"{screen}: {a.width}x{a.height} against {b.width}x{b.height}")
        differing = sum(1 for i in range(0, len(a.rgb), 3) if a.rgb[i:i + 3] != b.rgb[i:i + 3])
        if differing:
            raise Failure(f"{screen}: {differing} pixels differ between {paths[0]} and {paths[1]}")


def main(kind, simulator, data_dir, compat_dir, scratch):
    if not os.path.exists(os.path.join(compat_dir, "libSDL-1.2.so.0")):
        raise Failure(f"no compatibility library in {compat_dir} (tools/install-deps installs "
                      "libsdl1.2-compat)")
    run = RUNS[kind]
    simulator, data_dir = os.path.abspath(simulator), os.path.abspath(data_dir)
    shutil.rmtree(scratch, ignore_errors=True)
    started = {}
    for name, env in library_environments(compat_dir, run["compat_env"]).items():
        started[name] = start(simulator, data_dir, run, os.path.join(scratch, name), env)
    outputs = {name: finish(name, *pair) for name, pair in started.items()}
    versions = {name: check_library(name, output) for name, output in outputs.items()}
    traces = {name: [line for line in output if TRACE_LINE.match(line)]
              for name, output in outputs.items()}
    compare_traces(traces["classic"], traces["compatibility"], run["ending"])
    compare_screens(run["screens"], os.path.join(scratch, "classic"),
                    os.path.join(scratch, "compatibility"))
    print(f"{kind}: {len(traces['classic'])} trace lines and {len(run['screens'])} screens "
          f"alike on {versions['classic']} and {versions['compatibility']}")
    print(traces["classic"][-1])


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[1] not in RUNS:
        sys.exit(__doc__)
    try:
        main(*sys.argv[1:])
    except Failure as failure:
        print(f"FAILED: {failure}", flush=True)
        sys.exit(1)
    print("passed")
