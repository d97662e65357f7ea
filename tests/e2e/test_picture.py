"""What the window shows: the lock to the fake camera, culling seen from the main camera, and
surviving window resizes."""

import unittest

import viewer_harness as h

BINARY, DATA = h.usage_paths()

HUD_BOTTOM = 130  # rows below this show only the scene


def hud_drawn(image):
    return image.count(h.is_white, right=h.SIDE, bottom=HUD_BOTTOM) > 500


def differing_pixels(a, b, top):
    return sum(1 for p, q in zip(a.pixels(top=top), b.pixels(top=top)) if p != q)


class Picture(unittest.TestCase):
    def test_lock_switches_the_drawing_camera(self):
        with h.Viewer(BINARY, DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.keys(*["period"] * 9)  # main camera to 45 degrees: the two cameras now differ
            viewer.wait_for_echoes(9)
            main_view = viewer.settled_picture()
            viewer.keys("c")
            viewer.wait_for_echoes(10)
            fake_view = viewer.settled_picture()
            self.assertGreater(differing_pixels(main_view, fake_view, HUD_BOTTOM), 20000,
                               "locking to the fake camera did not change the scene")
            viewer.keys("c")
            viewer.wait_for_echoes(11)
            again = viewer.settled_picture()
            self.assertEqual(differing_pixels(main_view, again, HUD_BOTTOM), 0,
                             "unlocking did not restore the main camera's picture")

    def test_fake_camera_behind_the_walls_culls_occludees_in_the_main_view(self):
        with h.Viewer(BINARY, DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            before = viewer.settled_picture().count(h.is_blue, top=HUD_BOTTOM)
            viewer.keys(*["apostrophe"] * 36)  # fake camera to 180 degrees, lock off
            viewer.wait_for_echoes(36)
            after = viewer.settled_picture().count(h.is_blue, top=HUD_BOTTOM)
            self.assertLess(after, before * 0.97, "blue pixels %d -> %d" % (before, after))
            viewer.keys("5")  # reset: nothing is culled from the front again
            viewer.wait_for_echoes(37)
            self.assertEqual(viewer.settled_picture().count(h.is_blue, top=HUD_BOTTOM), before)


class Resize(unittest.TestCase):
    def test_survives_degenerate_and_wide_sizes(self):
        with h.Viewer(BINARY, DATA) as viewer:
            viewer.wait_for_picture(hud_drawn)
            viewer.resize(0, 0)  # the X server may refuse a zero size; the viewer must not care
            for width, height in [(1, 1), (30, 30), (1280, 640), (640, 1280), (h.SIDE, h.SIDE)]:
                self.assertTrue(viewer.resize(width, height), "resize to %dx%d refused" % (width, height))
                self.assertTrue(h.wait_for(lambda: viewer.size() == (width, height), 5.0),
                                "window never became %dx%d" % (width, height))
                viewer.assert_alive()
                if height == h.SIDE:  # the overlay covers the bottom-left 640 x 640: here all the rows
                    image = viewer.wait_for_picture(hud_drawn, timeout=5.0)
                    self.assertTrue(hud_drawn(image), "no overlay at %dx%d" % (width, height))
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
