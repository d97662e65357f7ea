"""Start-up: the window, its first frame, and a start without the mesh file."""

import unittest

import viewer_harness as h

BINARY, DATA = h.usage_paths()


def hud_drawn(image):
    return image.count(h.is_white, bottom=130) > 500


class StartUp(unittest.TestCase):
    def test_window_title_size_and_first_frame(self):
        with h.Viewer(BINARY, DATA) as viewer:
            self.assertEqual(viewer.title(), h.TITLE)
            self.assertEqual(viewer.size(), (h.SIDE, h.SIDE))
            # The map render leaves the occluders' red silhouettes in the bottom-left 64 x 64.
            image = viewer.wait_for_picture(
                lambda i: hud_drawn(i) and i.count(h.is_red, left=0, right=64, top=h.SIDE - 64) > 200)
            self.assertTrue(hud_drawn(image), "no white overlay text in the top band")
            self.assertGreater(image.count(h.is_red, right=64, top=h.SIDE - 64), 200,
                               "no occluder silhouettes in the bottom-left 64 x 64")
            self.assertGreater(image.count(h.is_blue, top=130), 10000, "no occludees drawn")
            viewer.assert_alive()
            self.assertEqual(viewer.read_stderr().count(b"Failed to open"), 0)


class MissingMesh(unittest.TestCase):
    def test_reports_once_and_runs_with_an_empty_scene(self):
        with h.Viewer(BINARY, data_dir=None) as viewer:
            image = viewer.wait_for_picture(hud_drawn)
            self.assertTrue(hud_drawn(image), "no overlay drawn without the mesh")
            self.assertEqual(viewer.read_stderr(), b'Failed to open "cube.geo"\n\n')
            # Objects without faces: nothing but the overlay on black.
            settled = viewer.settled_picture()
            self.assertEqual(settled.count(h.is_red), 0)
            self.assertEqual(settled.count(h.is_blue), 0)
            viewer.keys("Escape")
            self.assertEqual(viewer.wait_exit(), 0)
            self.assertEqual(viewer.echo_lines(), ["key: 27"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
