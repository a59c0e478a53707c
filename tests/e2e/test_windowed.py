"""QuenlowSaver.scr /w on Wine: the windowed test mode."""

import time
import unittest

from harness import SaverTestCase, numbers, probe

WM_SYSCOMMAND, SC_CLOSE = 0x112, 0xF060
TITLE = "Windowed Screensaver"


class Windowed(SaverTestCase):
    def test_a_framed_window_that_input_does_not_end(self):
        saver = self.session.start("/w", "ignored", "text")
        window = self.session.wait_for_window(TITLE)
        self.assertIsNotNone(window, "no windowed saver")
        code, info = probe(self.session, "info", TITLE)
        self.assertEqual(code, 0)
        self.assertEqual(numbers(info["rect"]), (100, 100, 612, 580))
        style = int(info["style"], 16)
        self.assertEqual(style & 0x00CF0000, 0x00CF0000, "not an overlapped, framed window")
        self.assertEqual(info["topmost"], "0")

        # Keys, clicks and movement over the window do not end it.
        self.session.xdotool("mousemove", 300, 300)
        self.session.xdotool("key", "a", "Escape", "space")
        self.session.xdotool("click", 1)
        self.session.xdotool("mousemove_relative", "--", 60, 40)
        time.sleep(1.0)
        self.assertIsNone(saver.poll(), "input ended the windowed saver")
        self.assertTrue(self.session.screenshot("windowed").find(lambda rgb: max(rgb) > 60)[1] > 1000)

        # Its close button closes it, now that the mouse has moved over it twice.
        probe(self.session, "post", TITLE, WM_SYSCOMMAND, SC_CLOSE, 0)
        saver.wait(10)
        self.assertEqual(saver.returncode, 0)

    def test_the_close_button_needs_two_mouse_moves_first(self):
        saver = self.session.start("/w")
        self.assertIsNotNone(self.session.wait_for_window(TITLE))
        time.sleep(0.5)
        probe(self.session, "post", TITLE, WM_SYSCOMMAND, SC_CLOSE, 0)
        time.sleep(1.0)
        self.assertIsNone(saver.poll(), "closed before any mouse movement")
        self.session.xdotool("mousemove", 200, 200)
        self.session.xdotool("mousemove", 250, 260)
        time.sleep(0.3)
        probe(self.session, "post", TITLE, WM_SYSCOMMAND, SC_CLOSE, 0)
        saver.wait(10)
        self.assertEqual(saver.returncode, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
