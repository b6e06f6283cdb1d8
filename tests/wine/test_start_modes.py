"""The program's modes under Wine: the package failure message, the
full-screen show, the password change and the presentation copy."""
import unittest

import harness
from harness import Package, Session

FAILURE = ("The screen saver can not run because of one of the following reasons:\r\n\r\n"
           "* The file is corrupted\r\n* Your computer is out of resources\r\n* Windows error")


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class StartModes(unittest.TestCase):
    def test_without_package_the_message_ends_the_program(self):
        for mode in ("/s", "/c"):
            with self.subTest(mode=mode), Session(name="nopackage") as s:
                proc = s.launch(s.program("plain.scr"), mode)
                box = s.wait_window(title="Screen Saver", cls="#32770")
                texts = [c["text"] for c in box["children"] if c["class"] == "Static"]
                self.assertIn(FAILURE, texts)
                icon = next(c for c in box["children"] if c["class"] == "Static" and c["style"] & 0xF == 3)
                shot = s.screenshot()
                left, top, right, bottom = icon["rect"]
                reds = [shot.pixel(x, y) for x in range(left, right) for y in range(top, bottom)]
                reds = [p for p in reds if p[0] > 150 and p[1] < 110 and p[2] < 110]
                self.assertGreater(len(reds), (right - left) * (bottom - top) // 4, "the error icon is red")
                ok = next(c for c in box["children"] if c["class"] == "Button")
                self.assertEqual(ok["text"], "OK")
                self.assertTrue(s.running_after(proc, 1), "the program must wait for OK")
                s.click(*centre(ok["rect"]))
                self.assertEqual(s.wait_exit(proc), 0)
                self.assertEqual(s.windows(cls="TSSWindow", all=True), [])

    def test_show_covers_the_screen_borderless_and_on_top(self):
        with Session(width=640, height=480, name="show") as s:
            proc = s.launch(s.program("autumn.scr", Package(title="Autumn")), "/s")
            win = s.wait_window(title="Autumn", cls="TSSWindow")
            self.assertEqual(win["rect"], [0, 0, 640, 480])
            self.assertEqual(win["style"] & (harness.WS_CAPTION | harness.WS_THICKFRAME | harness.WS_CHILD), 0)
            self.assertTrue(win["exstyle"] & harness.WS_EX_TOPMOST)
            self.assertEqual(win["parent"], 0)
            # The hidden owner window carries the title and no taskbar button.
            owner = s.window(win["owner"])
            # (The system adds WS_EX_WINDOWEDGE to a window with a caption.)
            self.assertEqual((owner["text"], owner["visible"], owner["exstyle"] & ~0x100), ("Autumn", False, 0x80))
            shot = s.screenshot()
            for x, y in ((2, 2), (637, 2), (2, 477), (637, 477), (320, 240)):
                self.assertEqual(shot.pixel(x, y), (0, 0, 0), (x, y))
            self.assertTrue(s.running_after(proc, 0.5))

    def test_configuration_is_a_centred_dialog_that_holds_display_properties(self):
        with Session(width=800, height=600, name="config") as s:
            _, properties, _ = s.host_preview(title="Display Properties")
            proc = s.launch(s.program("autumn.scr", Package(title="Autumn")), "/c:%d" % properties)
            win = s.wait_window(title="Autumn", cls="TSSWindow")
            self.assertEqual(win["client"], [513, 381])
            self.assertTrue(win["style"] & harness.WS_CAPTION)
            self.assertFalse(win["style"] & harness.WS_THICKFRAME)
            left, top, right, bottom = win["rect"]
            self.assertLessEqual(abs((left + right) - 800), 1)
            self.assertLessEqual(abs((top + bottom) - 600), 1)
            panel = next(c for c in win["children"] if c["text"] == "CfgBox")
            self.assertEqual((panel["visible"], panel["pos"], panel["client"]), (True, [0, 0], [513, 381]))
            self.assertFalse(s.window(properties)["enabled"])
            s.driver("send", win["hwnd"], 0x0010, 0, 0)  # WM_CLOSE, as the close box sends it
            self.assertEqual(s.wait_exit(proc), 0)
            self.assertTrue(s.window(properties)["enabled"])

    def test_password_change_shows_no_window_and_ends(self):
        with Session(name="password") as s:
            proc = s.launch(s.program("autumn.scr", Package(title="Autumn")), "/a", "1234")
            self.assertEqual(s.wait_exit(proc), 0)
            self.assertEqual(s.windows(cls="TSSWindow"), [])
            self.assertEqual(s.windows(cls="#32770"), [])

    def test_exe_copy_presents_full_screen_and_ignores_the_command_line(self):
        with Session(width=640, height=480, name="presentation") as s:
            proc = s.launch(s.program("show.exe", Package(title="Autumn", header={"AllowExe": 1})), "/p", "1234")
            win = s.wait_window(title="Autumn", cls="TSSWindow")
            self.assertEqual(win["rect"], [0, 0, 640, 480])
            self.assertEqual(win["parent"], 0)
            self.assertEqual(win["style"] & harness.WS_CHILD, 0)
            self.assertTrue(s.running_after(proc, 0.5))

    def test_exe_copy_not_allowed_ends_without_a_window(self):
        with Session(name="noexe") as s:
            proc = s.launch(s.program("show.exe", Package(title="Autumn", header={"AllowExe": 0})), "/p", "1234")
            self.assertEqual(s.wait_exit(proc), 0)
            self.assertEqual(s.windows(cls="TSSWindow"), [])
            self.assertEqual(s.windows(cls="#32770"), [])


if __name__ == "__main__":
    harness.main()
