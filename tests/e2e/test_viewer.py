"""The real viewer on the X server in $DISPLAY: start-up, keys and the Escape record, a close through
the window system, and what the picture shows. Each run gets a fresh working directory.
Usage: test_viewer.py BINARY DATA_FOLDER [TEST_CLASS...]"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TITLE, SIDE, HUD_BOTTOM = "- Brisel Project -", 640, 130  # rows below HUD_BOTTOM show only the scene
KEYS = [("apostrophe", 39), ("semicolon", 59), ("period", 46), ("comma", 44), ("equal", 61),
        ("minus", 45), ("5", 53), ("c", 99), ("plus", 43), ("less", 60), ("greater", 62), ("C", 67)]


def wait_for(predicate, timeout, interval=0.05):
    """Polls predicate until it returns a true value; returns that value, or None on timeout."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() <= deadline:
        time.sleep(interval)
    return value or None


class Image:
    """The window's pixels as (r, g, b) rows, top to bottom."""

    def __init__(self, width, raw, lsb_first):
        shift = (2, 1, 0) if lsb_first else (1, 2, 3)
        channels = [raw[i::4] for i in shift]
        self.rows = [list(zip(*(c[y * width:(y + 1) * width] for c in channels)))
                     for y in range(len(channels[0]) // width)]

    def count(self, kind, top=0, right=None, bottom=None):
        return sum(1 for row in self.rows[top:bottom] for p in row[:right] if kind(*p))

    def scene(self):
        return self.rows[HUD_BOTTOM:]


def is_red(r, g, b):
    return r > 60 and r > 2 * g and r > 2 * b


def is_blue(r, g, b):
    return b > 60 and b > 2 * r and b > 2 * g


def hud_drawn(image):
    return image.count(lambda r, g, b: min(r, g, b) > 200, bottom=HUD_BOTTOM) > 500


class Viewer:
    """One run of the viewer, as a context manager."""

    def __init__(self, files=None):
        self.files = files or {}

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="brisel-e2e-")
        self.cwd = self.tmp.name
        shutil.copytree(DATA, os.path.join(self.cwd, "data"))
        for name, content in self.files.items():
            with open(os.path.join(self.cwd, name), "wb") as f:
                f.write(content)
        self.root = X.screen().root
        with open(self.path("stdout"), "wb") as out, open(self.path("stderr"), "wb") as err:
            self.process = subprocess.Popen([BINARY], cwd=self.cwd, stdout=out, stderr=err)
        self.window = wait_for(self._window, 20.0)
        if not self.window:
            self.__exit__()
            raise AssertionError("no window titled %r within 20 s" % TITLE)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.tmp.cleanup()

    def _window(self):
        self.assert_alive()
        for child in self.root.query_tree().children:
            try:
                if child.get_wm_name() == TITLE and child.get_attributes().map_state == Xlib.X.IsViewable:
                    return child
            except Xlib.error.XError:  # a window may vanish while it is looked at
                pass
        return None

    def path(self, name):
        return os.path.join(self.cwd, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def capture(self):
        g = self.window.get_geometry()
        at = self.window.translate_coords(self.root, 0, 0)
        width = min(g.width, X.screen().width_in_pixels - at.x)
        height = min(g.height, X.screen().height_in_pixels - at.y)
        raw = self.root.get_image(at.x, at.y, width, height, Xlib.X.ZPixmap, 0xFFFFFFFF).data
        return Image(width, raw, X.display.info.image_byte_order == Xlib.X.LSBFirst)

    def wait_for_picture(self, predicate):
        """Captures until predicate(image) holds; returns that image or the last one."""
        last = [None]

        def check():
            self.assert_alive()
            last[0] = self.capture()
            return predicate(last[0])
        wait_for(check, 20.0, 0.1)
        return last[0]

    def settled_picture(self):
        """A capture once two in a row agree below the frame-rate line: the input has been drawn."""
        time.sleep(0.3)
        previous = [self.capture()]

        def same():
            image = self.capture()
            agree = image.rows[25:] == previous[0].rows[25:]
            previous[0] = image
            return agree and image
        return wait_for(same, 10.0, 0.2) or previous[0]

    def keys(self, *names):
        subprocess.run(["xdotool", "key", "--window", str(self.window.id), "--delay", "15", *names],
                       stderr=subprocess.DEVNULL, check=names[-1] != "Escape")  # Escape may close first

    def echoes(self, count=0):
        wait_for(lambda: len(self.read("stdout").splitlines()) >= count, 10.0)
        return self.read("stdout").decode().splitlines()

    def assert_alive(self):
        if self.process.poll() is not None:
            raise AssertionError("viewer exited with %d: %r" % (self.process.returncode, self.read("stderr")))

    def wait_exit(self):
        return wait_for(lambda: self.process.poll() is not None, 15.0) and self.process.returncode


class StartUp(unittest.TestCase):
    # Catches a wrong title or size, a first frame without overlay, map silhouettes or occludees.
    def test_window_title_size_and_first_frame(self):
        with Viewer() as viewer:
            self.assertEqual(viewer.window.get_wm_name(), TITLE)
            self.assertEqual((viewer.window.get_geometry().width, viewer.window.get_geometry().height), (SIDE, SIDE))
            silhouettes = lambda i: i.count(is_red, top=SIDE - 64, right=64) > 200
            image = viewer.wait_for_picture(lambda i: hud_drawn(i) and silhouettes(i))
            self.assertTrue(hud_drawn(image) and silhouettes(image), "no overlay or no map silhouettes")
            self.assertGreater(image.count(is_blue, top=HUD_BOTTOM), 10000, "no occludees drawn")
            self.assertEqual(viewer.read("stderr"), b"")


class Input(unittest.TestCase):
    # Catches a key not echoed or echoed out of order, and a missing or malformed Escape record.
    def test_every_key_is_echoed_in_order_and_escape_writes_the_record(self):
        with Viewer() as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.keys(*[name for name, _ in KEYS])
            expected = ["key: %d" % code for _, code in KEYS]
            self.assertEqual(viewer.echoes(len(expected)), expected)
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.echoes(), expected + ["key: 27"])
            record = viewer.read("output.txt")
            self.assertRegex(record, rb"^Time spent traversing the tree: [0-9.e+-]+ seconds\.\n$")
            self.assertGreater(float(record.split()[5]), 0.0)

    # Catches an output.txt not truncated at start-up, and a close that crashes or writes the record.
    def test_close_exits_cleanly_and_leaves_output_empty(self):
        with Viewer(files={"output.txt": b"stale record\n"}) as viewer:
            viewer.wait_for_picture(hud_drawn)
            event = Xlib.protocol.event.ClientMessage(
                window=viewer.window, client_type=X.intern_atom("WM_PROTOCOLS"),
                data=(32, [X.intern_atom("WM_DELETE_WINDOW"), Xlib.X.CurrentTime, 0, 0, 0]))
            viewer.window.send_event(event, event_mask=Xlib.X.NoEventMask)
            X.flush()
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.read("output.txt") + viewer.read("stdout"), b"")


class Picture(unittest.TestCase):
    # Catches a lock that does not switch the drawing camera, or an unlock that does not restore it.
    def test_lock_switches_the_drawing_camera(self):
        with Viewer() as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.keys(*["period"] * 9)  # main camera to 45 degrees: the two cameras now differ
            viewer.echoes(9)
            main_view = viewer.settled_picture().scene()
            viewer.keys("c")
            viewer.echoes(10)
            self.assertNotEqual(viewer.settled_picture().scene(), main_view)
            viewer.keys("c")
            viewer.echoes(11)
            self.assertEqual(viewer.settled_picture().scene(), main_view)

    # Catches culled occludees that are still drawn, or a reset that leaves them culled.
    def test_fake_camera_behind_the_walls_culls_occludees_in_the_main_view(self):
        with Viewer() as viewer:
            viewer.wait_for_picture(hud_drawn)
            before = viewer.settled_picture().count(is_blue, top=HUD_BOTTOM)
            viewer.keys(*["apostrophe"] * 36)  # fake camera to 180 degrees, lock off
            viewer.echoes(36)
            after = viewer.settled_picture().count(is_blue, top=HUD_BOTTOM)
            self.assertLess(after, before * 0.97, "blue pixels %d -> %d" % (before, after))
            viewer.keys("5")
            viewer.echoes(37)
            self.assertEqual(viewer.settled_picture().count(is_blue, top=HUD_BOTTOM), before)


if __name__ == "__main__":
    BINARY, DATA = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    try:
        import Xlib.display, Xlib.error, Xlib.protocol, Xlib.X
    except ImportError:
        sys.exit("python3-xlib is missing: bash scripts/install-deps.sh installs it")
    try:
        X = Xlib.display.Display()
    except Exception as problem:  # DISPLAY unset or unreachable
        sys.exit("No X display (%s): run the end-to-end tests under xvfb-run, e.g. "
                 'xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest -L e2e' % problem)
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
