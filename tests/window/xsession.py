# SPDX-License-Identifier: MIT
"""A private X server for tests that drive a real window: Xvfb on a free
display, real key events through xdotool, screenshots of the root window
through xwd, and the game started on it with its output kept aside."""

import os
import select
import subprocess
import tempfile
import time

import pixels

SERVER_START_SECONDS = 15
TOOL_SECONDS = 15
# SDL opens the display twice in a row; a server that resets between the two
# (it does when its last client leaves, hence -noreset) refuses the second.
# Should it still happen, the game stops with this message and starts again.
DISPLAY_REFUSED = "Couldn't open X11 display"


class XServerError(RuntimeError):
    pass


class XServer:
    """Xvfb on the first free display number (Xvfb picks it and tells us
    through -displayfd, so parallel tests never collide); tried twice."""

    def __init__(self, width=640, height=480):
        self.size = f"{width}x{height}x24"
        self.display = None
        self._process = None
        self._log = None

    def __enter__(self):
        try:
            self._start()
        except XServerError as first:
            print(f"Xvfb did not start ({first}); trying once more", flush=True)
            try:
                self._start()
            except XServerError as second:
                raise XServerError(f"Xvfb did not start twice: {second}") from None
        return self

    def __exit__(self, *error):
        self._stop()

    def _start(self):
        self._log = tempfile.TemporaryFile()
        read_end, write_end = os.pipe()
        try:
            self._process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten",
                 "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                stderr=self._log)
        except OSError as error:
            os.close(read_end)
            self._stop()
            raise XServerError(f"cannot run Xvfb: {error}") from None
        finally:
            os.close(write_end)
        number = _read_line(read_end, SERVER_START_SECONDS)
        os.close(read_end)
        if not number.isdigit():
            try:
                code = self._process.wait(timeout=1)
            except subprocess.TimeoutExpired:
                code = None
            self._stop()
            if code is not None:
                raise XServerError(f"Xvfb exited with code {code}")
            raise XServerError(f"no display number within {SERVER_START_SECONDS} s")
        self.display = ":" + number

    def _stop(self):
        if self._process:
            _end(self._process)
            self._process = None
        if self._log:
            self._log.seek(0)
            log = self._log.read().decode(errors="replace").strip()
            self._log.close()
            self._log = None
            if log and self.display is None:
                print("Xvfb said, at the end:\n" + "\n".join(log.splitlines()[-8:]), flush=True)

    def environment(self, **extra):
        return dict(os.environ, DISPLAY=self.display, **extra)

    def _tool(self, *argv):
        return subprocess.run(argv, env=self.environment(), check=True, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=TOOL_SECONDS).stdout

    def grab(self):
        """A screenshot of the whole screen."""
        return pixels.read_xwd(self._tool("xwd", "-root", "-silent"))

    def press(self, key):
        """Presses and releases at once: one key-down event for the game."""
        self._tool("xdotool", "key", key)

    def hold(self, keys, seconds):
        """Holds the keys down together, so the game sees them held."""
        self._tool("xdotool", *(part for key in keys for part in ("keydown", key)))
        try:
            time.sleep(seconds)
        finally:
            self._tool("xdotool", *(part for key in keys for part in ("keyup", key)))

    def wait_for(self, shown, seconds, interval=0.25):
        """Takes screenshots until shown(picture) holds; returns the last
        picture and whether it did."""
        deadline = time.monotonic() + seconds
        while True:
            picture = self.grab()
            if shown(picture):
                return picture, True
            if time.monotonic() > deadline:
                return picture, False
            time.sleep(interval)


class Program:
    """A program on the X server, its output collected in a temporary file."""

    def __init__(self, server, argv, cwd, env):
        self._output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(argv, cwd=cwd, env=server.environment(**env),
                                        stdin=subprocess.DEVNULL, stdout=self._output,
                                        stderr=subprocess.STDOUT)

    def output(self):
        self._output.seek(0)
        return self._output.read().decode(errors="replace")

    def wait(self, seconds):
        """The exit code, or None when still running after `seconds`."""
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        _end(self.process)
        self._output.close()


def start_program(server, argv, cwd, env, shown, seconds):
    """Starts the program and waits until shown(screenshot) holds; starts it
    once more when it could not reach the display. Returns the program, the
    last screenshot and whether shown held."""
    for attempt in (1, 2):
        program = Program(server, argv, cwd, env)
        picture, ok = server.wait_for(lambda p: shown(p) or program.wait(0) is not None,
                                      seconds)
        if attempt == 1 and program.wait(0) is not None and DISPLAY_REFUSED in program.output():
            print(f"{argv[0]} could not open the display; starting it once more", flush=True)
            program.stop()
            continue
        return program, picture, ok and shown(picture)


def _read_line(fd, seconds):
    text, deadline = b"", time.monotonic() + seconds
    while not text.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
            break
        chunk = os.read(fd, 64)
        if not chunk:
            break
        text += chunk
    return text.decode().strip()


def _end(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
