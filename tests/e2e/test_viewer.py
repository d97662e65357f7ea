"""The real viewer: start-up, a start without the mesh, keys and the Escape record, a close
through the window system, what the picture shows, and window resizes."""

import os
import re
import unittest

import viewer_harness as h
from viewer_harness import Viewer, hud_drawn, is_blue, is_red, HUD_BOTTOM, SIDE

# X keysym name and the byte the viewer should echo: every listed key, then keys that only echo.
KEYS = [("apostrophe", 39), ("semicolon", 59), ("period", 46), ("comma", 44), ("equal", 61),
        ("minus", 45), ("5", 53), ("c", 99), ("plus", 43), ("less", 60), ("greater", 62), ("C", 67)]


def differing_pixels(a, b):
    return sum(1 for p, q in zip(a.below(HUD_BOTTOM), b.below(HUD_BOTTOM)) if p != q)


class StartUp(unittest.TestCase):
    def test_window_title_size_and_first_frame(self):
        with Viewer(h.BINARY, h.DATA) as viewer:
            self.assertEqual(viewer.window.get_wm_name(), h.TITLE)
            self.assertEqual(viewer.size(), (SIDE, SIDE))
            # The map render leaves the occluders' red silhouettes in the bottom-left 64 x 64.
            silhouettes = lambda i: i.count(is_red, right=64, top=SIDE - 64) > 200
            image = viewer.wait_for_picture(lambda i: hud_drawn(i) and silhouettes(i))
            self.assertTrue(hud_drawn(image), "no white overlay text in the top band")
            self.assertTrue(silhouettes(image), "no occluder silhouettes in the bottom-left 64 x 64")
            self.assertGreater(image.count(is_blue, top=HUD_BOTTOM), 10000, "no occludees drawn")
            viewer.assert_alive()
            self.assertNotIn(b"Failed to open", viewer.read("stderr"))

    def test_missing_mesh_is_reported_once_and_the_scene_is_empty(self):
        with Viewer(h.BINARY, data_dir=None) as viewer:
            self.assertTrue(hud_drawn(viewer.wait_for_picture(hud_drawn)), "no overlay without the mesh")
            self.assertEqual(viewer.read("stderr"), b'Failed to open "cube.geo"\n\n')
            settled = viewer.settled_picture()
            self.assertEqual(settled.count(is_red) + settled.count(is_blue), 0)
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.echo_lines(), ["key: 27"])


class Input(unittest.TestCase):
    def test_every_key_is_echoed_in_order_and_escape_writes_the_record(self):
        with Viewer(h.BINARY, h.DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.keys(*[name for name, _ in KEYS])
            expected = ["key: %d" % code for _, code in KEYS]
            self.assertEqual(viewer.wait_for_echoes(len(expected)), expected)
            viewer.assert_alive()

            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.echo_lines(), expected + ["key: 27"])
            record = viewer.read("output.txt")
            self.assertRegex(record, rb"^Time spent traversing the tree: [0-9.e+-]+ seconds\.\n$")
            self.assertGreater(float(record.split()[5]), 0.0, "the culling ran for frames before Escape")

    def test_close_exits_cleanly_and_leaves_output_empty(self):
        # A record left by an earlier run must not survive: the file is truncated at start-up.
        with Viewer(h.BINARY, h.DATA, files={"output.txt": b"stale record\n"}) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.close_through_window_system()
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.read("output.txt"), b"")
            self.assertEqual(viewer.read("stdout"), b"")


class Picture(unittest.TestCase):
    def test_lock_switches_the_drawing_camera(self):
        with Viewer(h.BINARY, h.DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.keys(*["period"] * 9)  # main camera to 45 degrees: the two cameras now differ
            viewer.wait_for_echoes(9)
            main_view = viewer.settled_picture()
            viewer.keys("c")
            viewer.wait_for_echoes(10)
            self.assertGreater(differing_pixels(main_view, viewer.settled_picture()), 20000,
                               "locking to the fake camera did not change the scene")
            viewer.keys("c")
            viewer.wait_for_echoes(11)
            self.assertEqual(differing_pixels(main_view, viewer.settled_picture()), 0,
                             "unlocking did not restore the main camera's picture")

    def test_fake_camera_behind_the_walls_culls_occludees_in_the_main_view(self):
        with Viewer(h.BINARY, h.DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            before = viewer.settled_picture().count(is_blue, top=HUD_BOTTOM)
            viewer.keys(*["apostrophe"] * 36)  # fake camera to 180 degrees, lock off
            viewer.wait_for_echoes(36)
            after = viewer.settled_picture().count(is_blue, top=HUD_BOTTOM)
            self.assertLess(after, before * 0.97, "blue pixels %d -> %d" % (before, after))
            viewer.keys("5")  # reset: nothing is culled from the front again
            viewer.wait_for_echoes(37)
            self.assertEqual(viewer.settled_picture().count(is_blue, top=HUD_BOTTOM), before)

    def test_survives_degenerate_and_wide_sizes(self):
        with Viewer(h.BINARY, h.DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.resize(0, 0)  # the X server may refuse a zero size; the viewer must not care
            for width, height in [(1, 1), (30, 30), (1280, 640), (640, 1280), (SIDE, SIDE)]:
                self.assertTrue(viewer.resize(width, height), "resize to %dx%d refused" % (width, height))
                self.assertTrue(h.wait_for(lambda: viewer.size() == (width, height), 5.0),
                                "window never became %dx%d" % (width, height))
                viewer.assert_alive()
                if height == SIDE:  # the overlay covers the bottom-left 640 x 640: here all the rows
                    self.assertTrue(hud_drawn(viewer.wait_for_picture(hud_drawn, timeout=5.0)),
                                    "no overlay at %dx%d" % (width, height))
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)


if __name__ == "__main__":
    h.main()
