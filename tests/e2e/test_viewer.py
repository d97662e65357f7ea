"""The real viewer on the X server in $DISPLAY: its window, keys and the Escape record, a close
through the window system. What the frames draw is for the GL tests. Each run gets a fresh working
directory. Usage: test_viewer.py BINARY DATA_FOLDER"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TITLE, SIDE = "- Brisel Project -", 640
KEYS = [("apostrophe", 39), ("semicolon", 59), ("period", 46), ("comma", 44), ("equal", 61),
        ("minus", 45), ("5", 53), ("c", 99), ("plus", 43), ("less", 60), ("greater", 62), ("C", 67)]


def wait_for(predicate, timeout, interval=0.05):
    """Polls predicate until it returns a true value; returns that value, or None on timeout."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() <= deadline:
        time.sleep(interval)
    return value or None


class Viewer:
    """One run of the viewer in a fresh working directory, as a context manager."""

    def __init__(self, files=None):
        self.tmp = tempfile.TemporaryDirectory(prefix="brisel-e2e-")
        shutil.copytree(DATA, self.path("data"))
        for name, content in (files or {}).items():
            with open(self.path(name), "wb") as f:
                f.write(content)

    def __enter__(self):
        with open(self.path("stdout"), "wb") as out, open(self.path("stderr"), "wb") as err:
            self.process = subprocess.Popen([BINARY], cwd=self.tmp.name, stdout=out, stderr=err)
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
        for child in X.screen().root.query_tree().children:
            try:
                if child.get_wm_name() == TITLE and child.get_attributes().map_state == Xlib.X.IsViewable:
                    return child
            except Xlib.error.XError:  # a window may vanish while it is looked at
                pass
        return None

    def path(self, name):
        return os.path.join(self.tmp.name, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

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


class EndToEnd(unittest.TestCase):
    # Catches a wrong title or size, a key not echoed or out of order, any message on standard
    # error, and a missing or malformed Escape record.
    def test_window_keys_and_escape_record(self):
        with Viewer() as viewer:
            self.assertEqual(viewer.window.get_wm_name(), TITLE)
            self.assertEqual((viewer.window.get_geometry().width, viewer.window.get_geometry().height), (SIDE, SIDE))
            viewer.keys(*[name for name, _ in KEYS])
            expected = ["key: %d" % code for _, code in KEYS]
            self.assertEqual(viewer.echoes(len(expected)), expected)
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.echoes(), expected + ["key: 27"])
            record = viewer.read("output.txt")
            self.assertRegex(record, rb"^Time spent traversing the tree: [0-9.e+-]+ seconds\.\n$")
            self.assertGreater(float(record.split()[5]), 0.0)
            self.assertEqual(viewer.read("stderr"), b"")

    # Catches an output.txt not truncated at start-up, and a close that crashes or writes the record.
    def test_close_exits_cleanly_and_leaves_output_empty(self):
        with Viewer(files={"output.txt": b"stale record\n"}) as viewer:
            event = Xlib.protocol.event.ClientMessage(
                window=viewer.window, client_type=X.intern_atom("WM_PROTOCOLS"),
                data=(32, [X.intern_atom("WM_DELETE_WINDOW"), Xlib.X.CurrentTime, 0, 0, 0]))
            viewer.window.send_event(event, event_mask=Xlib.X.NoEventMask)
            X.flush()
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.read("output.txt") + viewer.read("stdout"), b"")


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
    unittest.main(argv=sys.argv[:1], verbosity=2)
