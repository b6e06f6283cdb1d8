"""The preview: embedded as a 152 x 112 child of the host's preview area,
the package's picture stretched over the whole window, its temporary file
deleted, and a black window without a picture.

Wine 8 does not put a child window of another process on the screen (its
drawing goes nowhere), so inside the host the tests read the window tree
through the driver; the picture's pixels are probed on the preview run
without a parent handle, where the same window shows on its own."""
import os
import time
import unittest

import harness
from harness import Package, Session, bmp

QUADRANTS = {(0, 0): (220, 30, 30), (1, 0): (30, 200, 40), (0, 1): (40, 60, 220), (1, 1): (240, 220, 30)}


def quadrant_picture(width, height):
    return bmp(width, height, lambda x, y: QUADRANTS[(2 * x // width, 2 * y // height)])


def near(a, b, tolerance=24):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def picture_control(window):
    return next(c for c in window["children"] if c["class"] == "LumaweavePicture")


class Preview(unittest.TestCase):
    def embedded(self, s, area, timeout=20):
        """The program's window once it is a visible child of the preview area."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            info = s.window(area)
            kids = [c for c in info["children"] if c["class"] == "TSSWindow"] if info else []
            if kids and kids[0]["visible"]:
                return s.window(kids[0]["hwnd"])
            time.sleep(0.3)
        raise harness.HarnessError("the program's window did not appear inside the preview area")

    def test_embeds_as_a_152_by_112_child_at_the_origin(self):
        with Session(name="embed") as s:
            _, _, area = s.host_preview()
            proc = s.launch(s.program("autumn.scr", Package(title="Autumn")), "/p", area)
            child = self.embedded(s, area)
            self.assertEqual(child["parent"], area)
            self.assertEqual(child["pos"], [0, 0])
            self.assertEqual(child["rect"][2] - child["rect"][0], 152)
            self.assertEqual(child["rect"][3] - child["rect"][1], 112)
            self.assertEqual(child["client"], [152, 112])
            self.assertTrue(child["style"] & harness.WS_CHILD)
            self.assertFalse(child["enabled"])
            self.assertFalse(picture_control(child)["visible"], "no preview picture: the black window shows")
            self.assertEqual(s.windows(cls="#32770"), [])
            self.assertTrue(s.running_after(proc, 0.5))

    def test_embedded_picture_covers_the_window_and_its_file_is_deleted(self):
        with Session(name="picture") as s:
            temp = s.temp_folder()
            os.makedirs(temp, exist_ok=True)
            stale = os.path.join(temp, "SSIMG.BMP")
            with open(stale, "wb") as f:
                f.write(bmp(8, 8, lambda x, y: (255, 0, 255)))
            _, _, area = s.host_preview()
            package = Package(title="Autumn", preview=quadrant_picture(40, 30))
            proc = s.launch(s.program("autumn.scr", package), "/p", area)
            child = self.embedded(s, area)
            deadline = time.time() + 10
            while not picture_control(child)["visible"] and time.time() < deadline:
                time.sleep(0.3)
                child = s.window(child["hwnd"])
            picture = picture_control(child)
            self.assertTrue(picture["visible"])
            self.assertEqual((picture["pos"], picture["client"]), ([0, 0], [152, 112]))
            self.assertFalse(os.path.exists(stale), "SSIMG.BMP must be deleted after loading")
            self.assertTrue(s.running_after(proc, 0.2))

    def test_picture_is_stretched_over_the_whole_window(self):
        with Session(name="stretch") as s:
            package = Package(title="Autumn", preview=quadrant_picture(40, 30))
            s.launch(s.program("autumn.scr", package), "/p")
            win = s.wait_window(title="Screen Saver", cls="TSSWindow")
            (x0, y0), (w, h) = win["clientorigin"], win["client"]
            # Near the four corners: the picture fills the client area, not
            # kept in proportion (that would leave bars at the sides).
            probes = {(x0 + 3, y0 + 3): (0, 0), (x0 + w - 4, y0 + 3): (1, 0),
                      (x0 + 3, y0 + h - 4): (0, 1), (x0 + w - 4, y0 + h - 4): (1, 1)}
            deadline = time.time() + 10
            while True:
                shot = s.screenshot()
                wrong = [(p, shot.pixel(*p), QUADRANTS[q]) for p, q in probes.items()
                         if not near(shot.pixel(*p), QUADRANTS[q])]
                if not wrong or time.time() > deadline:
                    break
                time.sleep(0.3)
            self.assertEqual(wrong, [], "probe, seen, expected")

    def test_without_picture_the_window_stays_black_and_silent(self):
        with Session(name="black") as s:
            proc = s.launch(s.program("autumn.scr", Package(title="Autumn")), "/p")
            win = s.wait_window(title="Screen Saver", cls="TSSWindow")
            time.sleep(0.5)
            (x0, y0), (w, h) = win["clientorigin"], win["client"]
            shot = s.screenshot()
            for x, y in ((x0 + 2, y0 + 2), (x0 + w - 3, y0 + h - 3), (x0 + w // 2, y0 + h // 2)):
                self.assertEqual(shot.pixel(x, y), (0, 0, 0), (x, y))
            self.assertEqual(s.windows(cls="#32770"), [])
            self.assertTrue(s.running_after(proc, 0.5))


if __name__ == "__main__":
    harness.main()
