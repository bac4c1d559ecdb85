#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Debian package: its control fields and files, then the game started
through the packaged launcher from the package unpacked into a scratch
folder (never installed into the system): the title picture shows, ESC
quits with exit code 0.

usage: package_test.py PACKAGE_FOLDER VERSION"""

import glob
import os
import struct
import subprocess
import sys
import tempfile

import xsession
from screens import Screens, check, quit_from_title, run_test, start_at_title

DEPENDS = ["libc6", "libstdc++6", "libsdl1.2debian", "libsdl-image1.2", "libsdl-mixer1.2"]
ICON_SIZES = [32, 48, 64, 128, 256]
# Debian's places for a game: the command in /usr/games, its data in
# /usr/share/games.
LAUNCHER = "usr/games/corvanel"
DATA = "usr/share/games/corvanel"
FILES = [
    LAUNCHER,
    "usr/libexec/corvanel/corvanel",
    f"{DATA}/Images/Panorama/Titre.png",
    f"{DATA}/Images/Font/font03.png",
    f"{DATA}/Sound/Good_Bye.ogg",
    "usr/share/applications/org.corvanel.Corvanel.desktop",
    "usr/share/metainfo/org.corvanel.Corvanel.metainfo.xml",
    "usr/share/man/man6/corvanel.6.gz",
    "usr/share/doc/corvanel/README.md",
    "usr/share/doc/corvanel/copyright",
    "usr/share/doc/corvanel/changelog.gz",
] + [f"usr/share/icons/hicolor/{size}x{size}/apps/corvanel.png" for size in ICON_SIZES]
# Build leftovers that must stay out of the package.
FOREIGN = ["corvanel-sim", "corvanel-tests", "corvanel-assetgen", "contact-sheet", "stamp"]


def run(*argv):
    return subprocess.run(argv, check=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=60, text=True).stdout


def check_control(package, version):
    fields = dict(line.split(": ", 1) for line in run("dpkg-deb", "--field", package).splitlines()
                  if ": " in line)
    expected = {"Package": "corvanel", "Version": version, "Section": "games",
                "Architecture": run("dpkg", "--print-architecture").strip()}
    for name, value in expected.items():
        check(fields.get(name) == value, f"{name} is {fields.get(name)!r}, not {value!r}")
    depends = [entry.split()[0] for entry in fields.get("Depends", "").split(", ")]
    for library in DEPENDS:
        check(library in depends, f"Depends lacks {library}: {fields.get('Depends')}")


def check_contents(package):
    listed = [line.split()[-1].removeprefix("./")
              for line in run("dpkg-deb", "--contents", package).splitlines()]
    listed = [path for path in listed if path]
    for path in FILES:
        check(path in listed, f"the package lacks {path}")
    for path in listed:
        check(path.startswith("usr/"), f"{path} lies outside /usr")
        check(not any(word in path for word in FOREIGN), f"{path} does not belong in the package")


def png_size(path):
    with open(path, "rb") as picture:
        return struct.unpack(">II", picture.read(24)[16:24])


def check_unpacked(root, version):
    for size in ICON_SIZES:
        icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/corvanel.png")
        check(png_size(icon) == (size, size), f"the {size} px icon is {png_size(icon)}")
    launcher = os.path.join(root, LAUNCHER)
    shown = run(launcher, "--version").strip()
    check(shown == f"corvanel {version}", f"--version printed {shown!r}")
    check("ESC" in run(launcher, "--help"), "--help does not tell the keys")


def check_game_starts(root, scratch):
    """Started from elsewhere: the launcher changes into the data folder."""
    screens = Screens(os.path.join(root, DATA))
    launcher = os.path.join(root, LAUNCHER)
    with xsession.XServer() as server:
        game = start_at_title(server, screens, [launcher], scratch, {"SDL_AUDIODRIVER": "dummy"})
        try:
            quit_from_title(server, game)
        finally:
            game.stop()


def package_test(folder, version):
    packages = glob.glob(os.path.join(folder, f"corvanel_{version}_*.deb"))
    check(len(packages) == 1, f"not one corvanel_{version}_*.deb in {folder}: {packages}")
    check_control(packages[0], version)
    check_contents(packages[0])
    with tempfile.TemporaryDirectory() as scratch:
        root = os.path.join(scratch, "root")
        run("dpkg-deb", "--extract", packages[0], root)
        check_unpacked(root, version)
        check_game_starts(root, scratch)


if __name__ == "__main__":
    run_test(package_test, os.path.abspath(sys.argv[1]), sys.argv[2])
