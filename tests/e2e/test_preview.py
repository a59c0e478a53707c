"""QuenlowSaver.scr /p HANDLE on Wine, started from a window the way the
Display control panel does, and the command lines that start nothing."""

import time
import unittest

from harness import SaverTestCase, numbers, probe, scr_path, signed_exit_code


class Preview(SaverTestCase):
    def test_the_preview_fills_its_owner_and_ends_with_it(self):
        code, info = probe(self.session, "preview", windows_path(scr_path()), 2)
        self.assertEqual(code, 0)
        self.assertEqual(info["child_found"], "1", "no saver window inside the owner")
        width, height = numbers(info["owner_client"])
        self.assertEqual(numbers(info["child_rect"]), (0, 0, width, height))
        self.assertEqual(info["title"], "Screensaver Preview")
        self.assertEqual(int(info["style"], 16), 0x52000000)
        self.assertEqual(info["owner_foreground"], "1", "the preview took the foreground")
        self.assertEqual(info["ended"], "1")
        self.assertLess(int(info["end_ms"]), 3000, "the preview outlived its owner by 3 s")

    def test_a_preview_runs_beside_a_full_screen_saver(self):
        saver = self.session.start("/s")
        self.assertIsNotNone(self.session.wait_for_window("Screensaver"))
        code, info = probe(self.session, "preview", windows_path(scr_path()), 1)
        self.assertEqual(info.get("child_found"), "1")

    def test_command_lines_that_start_nothing_end_with_minus_one(self):
        for args in (["/p"], ["/p", "0"], ["/p:1234"], ["/p", "-5"], ["/p\t1234"], ["/x"], ["/?"],
                     ["\ts"], ["/a"], ["/p", "999999"]):
            started = time.monotonic()
            code = self.session.run(*args, timeout=30)
            self.assertEqual(code, -1, f"{args}")
            self.assertLess(time.monotonic() - started, 10)
            self.assertIsNone(self.session.xdotool("search", "--class", "WindowsScreenSaverClass"))


def windows_path(unix_path):
    """The path as Wine's Z: drive shows it."""
    return "Z:" + unix_path.replace("/", "\\")


if __name__ == "__main__":
    unittest.main(verbosity=2)
