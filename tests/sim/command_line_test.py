#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The simulator's and the soak run's command lines against what they
cannot use: a script that is a folder, a device or a FIFO, a recording or a
screenshot that cannot be written (a full disk, a missing folder), and a
soak too short to judge. Each must be refused with its message and a
failing exit status, at once; a plain run, its recording and its replay
pass.

usage: command_line_test.py SIMULATOR SOAK DATA_DIR"""

import os
import subprocess
import sys
import tempfile

# Far longer than any of these runs takes on a busy two-core machine.
RUN_SECONDS = 120
# A short run: the title screen, 20 frames of play and the game over.
SHORT = ["--pilot", "idle", "--max-frames", "20"]


def cases(scratch):
    folder = os.path.join(scratch, "folder")
    fifo = os.path.join(scratch, "fifo")
    missing = os.path.join(scratch, "missing", "file")
    recording = os.path.join(scratch, "run.rec")
    os.mkdir(folder)
    os.mkfifo(fifo)
    # (what, program, arguments, exit status, words on standard error)
    return [
        ("a plain run", "sim", SHORT, 0, ""),
        ("a recording", "sim", SHORT + ["--record", recording], 0, ""),
        ("its replay", "sim", ["--replay", recording], 0, ""),
        ("a script that is a folder", "sim", ["--script", folder], 2,
         f"cannot read script {folder}\n"),
        ("a script that is a device", "sim", ["--script", os.devnull], 2,
         f"cannot read script {os.devnull}\n"),
        ("a script that is a FIFO", "sim", ["--script", fifo], 2,
         f"cannot read script {fifo}\n"),
        ("a missing script", "sim", ["--script", missing], 2, f"cannot read script {missing}\n"),
        ("a recording on a full disk", "sim", SHORT + ["--record", "/dev/full"], 1,
         "cannot write /dev/full"),
        ("a recording in a missing folder", "sim", SHORT + ["--record", missing], 1,
         f"cannot write {missing}"),
        ("a screenshot on a full disk", "sim", SHORT + ["--screenshot", "5:/dev/full"], 1,
         "cannot write /dev/full"),
        ("a screenshot in a missing folder", "sim", SHORT + ["--screenshot", f"5:{missing}"], 1,
         f"cannot write {missing}"),
        ("a soak of 10 minutes", "soak", ["--minutes", "10"], 2, "usage: corvanel-soak"),
        ("a soak of 1 minute", "soak", ["--minutes", "1"], 2, "usage: corvanel-soak"),
        ("a soak of no minutes", "soak", ["--minutes", "0"], 2, "usage: corvanel-soak"),
        ("a soak of words", "soak", ["--minutes", "11x"], 2, "usage: corvanel-soak"),
    ]


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    programs = {"sim": os.path.abspath(sys.argv[1]), "soak": os.path.abspath(sys.argv[2])}
    data_dir = sys.argv[3]
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    failures = 0
    with tempfile.TemporaryDirectory(prefix="corvanel-cli-") as scratch:
        for what, program, args, status, words in cases(scratch):
            try:
                run = subprocess.run([programs[program]] + args, cwd=data_dir, env=env,
                                     stdin=subprocess.DEVNULL, capture_output=True, text=True,
                                     timeout=RUN_SECONDS)
                code, said = run.returncode, run.stderr
            except subprocess.TimeoutExpired:
                code, said = None, f"still running after {RUN_SECONDS} s"
            ok = code == status and words in said
            failures += not ok
            print(f"{'ok  ' if ok else 'FAIL'} {what}: exit {code}, wanted {status}")
            if not ok:
                print("     wanted on standard error: " + repr(words))
                print("     " + said.strip().replace("\n", "\n     "))
        # The minimum is in the soak's help.
        run = subprocess.run([programs["soak"], "--help"], capture_output=True, text=True,
                             timeout=RUN_SECONDS)
        ok = run.returncode == 0 and "at least 11" in run.stdout
        failures += not ok
        print(f"{'ok  ' if ok else 'FAIL'} the soak's help gives its minimum: {run.stdout.strip()}")
    print("all refused as they should be" if failures == 0 else f"{failures} cases failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
