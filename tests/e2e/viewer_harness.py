"""Drives the real viewer binary on the X server in $DISPLAY: each Viewer runs it in a fresh working
directory, finds its window, sends keys, reads pixels, and always cleans up on the way out."""

import collections
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from Xlib import X, display, error, protocol

TITLE = "- Brisel Project -"
SIDE = 640
HUD_BOTTOM = 130  # rows below this show only the scene
TIMEOUT = 20.0

_display = None


def x_display():
    """One connection for the whole test process, retried for a few seconds: one made while the X
    server resets after its last client left (the previous test's viewer) is dropped."""
    global _display
    deadline = time.monotonic() + 10.0
    while _display is None:
        try:
            _display = display.Display()
        except (error.ConnectionClosedError, error.DisplayConnectionError, ConnectionError):
            if time.monotonic() > deadline:
                raise
            time.sleep(0.2)
    return _display


def wait_for(predicate, timeout, interval=0.05):
    """Polls predicate until it returns a true value; returns that value, or None on timeout."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() <= deadline:
        time.sleep(interval)
    return value or None


class Image(collections.namedtuple("Image", "width height red green blue")):
    """The window's on-screen pixels as separate r, g, b byte strings, rows top to bottom."""

    def count(self, kind, top=0, right=None, bottom=None):
        """Pixels of the kind in the rectangle [0, right) x [top, bottom)."""
        right = self.width if right is None else min(right, self.width)
        rows = range(top, self.height if bottom is None else min(bottom, self.height))
        return sum(1 for y in rows for p in zip(*(c[y * self.width:y * self.width + right] for c in
                                                  (self.red, self.green, self.blue))) if kind(*p))

    def below(self, top):
        """Raw bytes of the rows from `top` down: for exact comparisons of the scene."""
        lo = top * self.width
        return self.red[lo:] + self.green[lo:] + self.blue[lo:]


def is_red(r, g, b):
    return r > 60 and r > 2 * g and r > 2 * b


def is_blue(r, g, b):
    return b > 60 and b > 2 * r and b > 2 * g


def hud_drawn(image):
    return image.count(lambda r, g, b: min(r, g, b) > 200, right=SIDE, bottom=HUD_BOTTOM) > 500


class Viewer:
    """One run of the viewer: use as a context manager."""

    def __init__(self, binary, data_dir=None, files=None):
        self.binary, self.data_dir, self.files = binary, data_dir, files or {}

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="brisel-e2e-")
        self.cwd = self.tmp.name
        if self.data_dir:
            shutil.copytree(self.data_dir, os.path.join(self.cwd, "data"))
        for name, content in self.files.items():
            with open(os.path.join(self.cwd, name), "wb") as f:
                f.write(content)
        self.x = x_display()
        self.root = self.x.screen().root
        before = set(self._windows_titled())
        with open(os.path.join(self.cwd, "stdout"), "wb") as out, \
                open(os.path.join(self.cwd, "stderr"), "wb") as err:
            self.process = subprocess.Popen([self.binary], cwd=self.cwd, stdin=subprocess.DEVNULL,
                                            stdout=out, stderr=err)
        try:
            self.window = wait_for(lambda: self._new_mapped_window(before), TIMEOUT)
            assert self.window, "no window titled %r within %.0f s" % (TITLE, TIMEOUT)
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.tmp.cleanup()
        return False

    def _windows_titled(self):
        ids = []
        for child in self.root.query_tree().children:
            try:
                if child.get_wm_name() == TITLE:
                    ids.append(child.id)
            except Exception:  # a window may vanish while it is looked at
                pass
        return ids

    def _new_mapped_window(self, before):
        self.assert_alive()
        new = set(self._windows_titled()) - before
        windows = (self.x.create_resource_object("window", wid) for wid in new)
        return next((w for w in windows if w.get_attributes().map_state == X.IsViewable), None)

    def size(self):
        return self.window.get_geometry().width, self.window.get_geometry().height

    def capture(self):
        """The window's pixels, cut off where the window leaves the screen."""
        geometry = self.window.get_geometry()
        at = self.window.translate_coords(self.root, 0, 0)  # where the window sits on the screen
        screen = self.x.screen()
        width = min(geometry.width, screen.width_in_pixels - at.x)
        height = min(geometry.height, screen.height_in_pixels - at.y)
        raw = self.root.get_image(at.x, at.y, width, height, X.ZPixmap, 0xFFFFFFFF).data
        shift = (0, 1, 2) if self.x.display.info.image_byte_order == X.LSBFirst else (3, 2, 1)
        blue, green, red = (bytes(raw[i::4]) for i in shift)
        return Image(width, height, red, green, blue)

    def wait_for_picture(self, predicate, timeout=TIMEOUT):
        """Captures until predicate(image) holds; returns that image or the last one."""
        last = []

        def check():
            self.assert_alive()
            last[:] = [self.capture()]
            return predicate(last[0])

        wait_for(check, timeout, interval=0.1)
        return last[0]

    def settled_picture(self):
        """A capture taken once two captures in a row agree below the frame rate line (which
        changes every frame): the frames after the last input have been drawn."""
        previous = [self.capture()]

        def check():
            self.assert_alive()
            image = self.capture()
            same = image.below(25) == previous[0].below(25)
            previous[0] = image
            return same and image

        time.sleep(0.3)
        return wait_for(check, 10.0, interval=0.2) or previous[0]

    def resize(self, width, height):
        """Asks the window system for a new size; returns whether the server accepted it."""
        return subprocess.run(["xdotool", "windowsize", str(self.window.id), str(width), str(height)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def close_through_window_system(self):
        """Sends WM_DELETE_WINDOW the way a window manager's close button does."""
        event = protocol.event.ClientMessage(
            window=self.window, client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()

    def keys(self, *names):
        """Sends keys by their X keysym names (e.g. "apostrophe", "Escape")."""
        result = subprocess.run(["xdotool", "key", "--window", str(self.window.id), "--delay", "15", *names],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # After Escape the window may be gone before xdotool sends the release: that failure is expected.
        if result.returncode != 0 and names[-1] != "Escape":
            raise AssertionError("xdotool could not send %s" % " ".join(names))

    def read(self, name):
        """The bytes the viewer wrote to its "stdout" or "stderr", or to a file it wrote."""
        with open(os.path.join(self.cwd, name), "rb") as f:
            return f.read()

    def echo_lines(self):
        return self.read("stdout").decode("ascii", "replace").splitlines()

    def wait_for_echoes(self, count):
        """Waits until at least `count` key echo lines were printed; returns all lines."""
        wait_for(lambda: len(self.echo_lines()) >= count, 10.0)
        return self.echo_lines()

    def assert_alive(self):
        if self.process.poll() is not None:
            raise AssertionError("viewer exited with status %d; stderr: %r"
                                 % (self.process.returncode, self.read("stderr")))

    def wait_exit(self):
        """The exit status, or None if the process is still running after 15 seconds."""
        return wait_for(lambda: self.process.poll() is not None, 15.0) and self.process.returncode


def main():
    """Usage: test_viewer.py BINARY DATA_FOLDER [TEST_CLASS...]"""
    global BINARY, DATA
    BINARY, DATA = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(module="__main__", argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
