"""Drives the real viewer binary on the X server in $DISPLAY.

Each Viewer runs the binary in a fresh temporary working directory (with or without a copy of
data/), finds its window by title, sends keys with xdotool, reads the window's pixels through the
X server and always kills the process and removes the directory on the way out.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display, error, protocol
except ImportError:
    # A Python other than the system one may come first on PATH; python3-xlib lives with the system one.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

TITLE = "- Brisel Project -"
SIDE = 640
WINDOW_TIMEOUT = 20.0
EXIT_TIMEOUT = 15.0


def usage_paths():
    """The binary and data folder given on the command line (the test's own args are removed)."""
    if len(sys.argv) < 3:
        sys.exit("usage: %s <brisel binary> <data folder> [unittest args]" % sys.argv[0])
    binary, data = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    del sys.argv[1:3]
    return binary, data


_display = None


def x_display():
    """One connection for the whole test process. The X server resets when its last client leaves
    (the previous test's viewer and connection): a connection made during that reset is dropped,
    so the first one is retried for a few seconds."""
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
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)


class Image:
    """The window's pixels as separate r, g, b byte strings, rows top to bottom."""

    def __init__(self, width, height, red, green, blue):
        self.width, self.height = width, height
        self.red, self.green, self.blue = red, green, blue

    def pixels(self, left=0, top=0, right=None, bottom=None):
        """(r, g, b) of each pixel in the window rectangle [left, right) x [top, bottom)."""
        right = self.width if right is None else min(right, self.width)
        bottom = self.height if bottom is None else min(bottom, self.height)
        for y in range(max(top, 0), bottom):
            row = y * self.width
            lo, hi = row + max(left, 0), row + right
            yield from zip(self.red[lo:hi], self.green[lo:hi], self.blue[lo:hi])

    def count(self, kind, **rect):
        return sum(1 for p in self.pixels(**rect) if kind(*p))

    def rows(self, top, bottom):
        """Raw bytes of whole rows [top, bottom): for exact comparisons of a band."""
        lo, hi = top * self.width, bottom * self.width
        return self.red[lo:hi] + self.green[lo:hi] + self.blue[lo:hi]


def is_white(r, g, b):
    return r > 200 and g > 200 and b > 200


def is_red(r, g, b):
    return r > 60 and r > 2 * g and r > 2 * b


def is_blue(r, g, b):
    return b > 60 and b > 2 * r and b > 2 * g


class Viewer:
    """One run of the viewer: use as a context manager."""

    def __init__(self, binary, data_dir=None, files=None):
        self.binary = binary
        self.data_dir = data_dir
        self.files = files or {}  # name -> bytes written into the working directory first
        self.process = None
        self.window = None
        self.returncode = None

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
        self.stdout = open(os.path.join(self.cwd, "stdout.txt"), "wb")
        self.stderr = open(os.path.join(self.cwd, "stderr.txt"), "wb")
        try:
            self.process = subprocess.Popen([self.binary], cwd=self.cwd, stdin=subprocess.DEVNULL,
                                            stdout=self.stdout, stderr=self.stderr)
            self.window = self._wait_for_window(before)
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        for stream in (getattr(self, "stdout", None), getattr(self, "stderr", None)):
            if stream:
                stream.close()
        self.tmp.cleanup()
        return False

    # --- the window -----------------------------------------------------------------------------

    def _windows_titled(self):
        """Ids of top-level windows whose title is exactly TITLE."""
        ids = []
        for child in self.root.query_tree().children:
            try:
                if child.get_wm_name() == TITLE:
                    ids.append(child.id)
            except Exception:  # a window may vanish while it is looked at
                pass
        return ids

    def _wait_for_window(self, before):
        def mapped_new_window():
            if self.process.poll() is not None:
                raise AssertionError("viewer exited with status %d before its window appeared; stderr: %r"
                                     % (self.process.returncode, self.read_stderr()))
            for wid in self._windows_titled():
                if wid not in before:
                    window = self.x.create_resource_object("window", wid)
                    if window.get_attributes().map_state == X.IsViewable:
                        return window
            return None

        window = wait_for(mapped_new_window, WINDOW_TIMEOUT)
        if window is None:
            raise AssertionError("no window titled %r within %.0f s" % (TITLE, WINDOW_TIMEOUT))
        return window

    def title(self):
        return self.window.get_wm_name()

    def size(self):
        geometry = self.window.get_geometry()
        return geometry.width, geometry.height

    def capture(self):
        """The window's current pixels. Parts outside the screen read as black."""
        geometry = self.window.get_geometry()
        origin = self.window.translate_coords(self.root, 0, 0)
        wx, wy = origin.x, origin.y
        screen = self.x.screen()
        left, top = max(wx, 0), max(wy, 0)
        right = min(wx + geometry.width, screen.width_in_pixels)
        bottom = min(wy + geometry.height, screen.height_in_pixels)
        width, height = geometry.width, geometry.height
        red, green, blue = (bytearray(width * height) for _ in range(3))
        if right > left and bottom > top:
            raw = self.root.get_image(left, top, right - left, bottom - top, X.ZPixmap, 0xFFFFFFFF).data
            shift = (0, 1, 2) if self.x.display.info.image_byte_order == X.LSBFirst else (3, 2, 1)
            blue_of, green_of, red_of = (raw[i::4] for i in shift)
            span = right - left
            for row in range(bottom - top):
                dst = (top - wy + row) * width + (left - wx)
                src = slice(row * span, (row + 1) * span)
                red[dst:dst + span] = red_of[src]
                green[dst:dst + span] = green_of[src]
                blue[dst:dst + span] = blue_of[src]
        return Image(width, height, bytes(red), bytes(green), bytes(blue))

    def wait_for_picture(self, predicate, timeout=WINDOW_TIMEOUT):
        """Captures until predicate(image) holds; returns that image or the last one."""
        last = []

        def check():
            self.assert_alive()
            last[:] = [self.capture()]
            return last[0] if predicate(last[0]) else None

        return wait_for(check, timeout, interval=0.1) or last[0]

    def settled_picture(self, top=25, timeout=10.0):
        """A capture taken once two captures in a row agree below row `top` (the frame rate line
        changes every frame): the frames after the last input have been drawn."""
        previous = [self.capture()]

        def check():
            self.assert_alive()
            image = self.capture()
            same = image.rows(top, image.height) == previous[0].rows(top, image.height)
            previous[0] = image
            return image if same else None

        time.sleep(0.3)
        return wait_for(check, timeout, interval=0.2) or previous[0]

    def resize(self, width, height):
        """Asks the window system for a new size; returns whether the server accepted it."""
        result = subprocess.run(["xdotool", "windowsize", str(self.window.id), str(width), str(height)],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return result.returncode == 0

    def close_through_window_system(self):
        """Sends WM_DELETE_WINDOW the way a window manager's close button does."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=self.window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()

    # --- input and output -----------------------------------------------------------------------

    def keys(self, *names, delay_ms=15):
        """Sends keys by their X keysym names (e.g. "apostrophe", "Escape")."""
        result = subprocess.run(["xdotool", "key", "--window", str(self.window.id), "--delay", str(delay_ms),
                                 *names], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # After Escape the window may be gone before xdotool sends the release: that failure is expected.
        if result.returncode != 0 and names[-1] != "Escape":
            raise AssertionError("xdotool could not send %s" % " ".join(names))

    def read_stdout(self):
        with open(os.path.join(self.cwd, "stdout.txt"), "rb") as f:
            return f.read()

    def read_stderr(self):
        with open(os.path.join(self.cwd, "stderr.txt"), "rb") as f:
            return f.read()

    def echo_lines(self):
        return self.read_stdout().decode("ascii", "replace").splitlines()

    def wait_for_echoes(self, count, timeout=10.0):
        """Waits until at least `count` key echo lines were printed; returns all lines."""
        wait_for(lambda: len(self.echo_lines()) >= count, timeout)
        return self.echo_lines()

    def output_path(self):
        return os.path.join(self.cwd, "output.txt")

    def assert_alive(self):
        if self.process.poll() is not None:
            raise AssertionError("viewer exited with status %d; stderr: %r"
                                 % (self.process.returncode, self.read_stderr()))

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        """The exit status, or None if the process is still running after `timeout` seconds."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
