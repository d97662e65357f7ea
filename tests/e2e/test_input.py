"""Keyboard echo, the Escape record and a close through the window system."""

import os
import re
import unittest

import viewer_harness as h

BINARY, DATA = h.usage_paths()

# X keysym name and the byte the viewer should echo: every listed key, then keys that only echo.
KEYS = [("apostrophe", 39), ("semicolon", 59), ("period", 46), ("comma", 44), ("equal", 61),
        ("minus", 45), ("5", 53), ("c", 99),
        ("plus", 43), ("less", 60), ("greater", 62), ("C", 67), ("a", 97), ("1", 49)]

RECORD = re.compile(rb"^Time spent traversing the tree: [0-9.e+-]+ seconds\.\n$")


class Keys(unittest.TestCase):
    def test_every_key_is_echoed_in_order_and_escape_writes_the_record(self):
        with h.Viewer(BINARY, DATA) as viewer:
            viewer.wait_for_picture(lambda i: i.count(h.is_white, bottom=130) > 500)
            viewer.keys(*[name for name, _ in KEYS])
            expected = ["key: %d" % code for _, code in KEYS]
            self.assertEqual(viewer.wait_for_echoes(len(expected)), expected)
            viewer.assert_alive()

            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.read_stdout(), ("\n".join(expected + ["key: 27"]) + "\n").encode())
            with open(viewer.output_path(), "rb") as f:
                record = f.read()
            self.assertRegex(record, RECORD)
            seconds = float(record.split(b": ")[1].split()[0])
            self.assertGreater(seconds, 0.0, "the culling ran for frames before Escape")


class WindowClose(unittest.TestCase):
    def test_close_exits_cleanly_and_leaves_output_empty(self):
        # A record left by an earlier run must not survive: the file is truncated at start-up.
        with h.Viewer(BINARY, DATA, files={"output.txt": b"stale record\n"}) as viewer:
            viewer.wait_for_picture(lambda i: i.count(h.is_white, bottom=130) > 500)
            viewer.close_through_window_system()
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertTrue(os.path.exists(viewer.output_path()))
            self.assertEqual(os.path.getsize(viewer.output_path()), 0)
            self.assertEqual(viewer.read_stdout(), b"")


if __name__ == "__main__":
    unittest.main(verbosity=2)
