"""QuenlowSaver.scr /s on Wine: the full-screen saver and how it ends."""

import time
import unittest

from harness import SaverTestCase, is_colour, model_missing, numbers, probe

CUBE_COLOURS = [(0, 255, 0), (255, 128, 0), (255, 0, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255)]


def is_cube(rgb):
    return any(is_colour(c, 60)(rgb) for c in CUBE_COLOURS)


class FullScreen(SaverTestCase):
    def start_saver(self):
        saver = self.session.start("/s")
        self.assertIsNotNone(self.session.wait_for_window("Screensaver"), "no full-screen window")
        time.sleep(1.0)
        return saver

    def assertEndsWith(self, saver, code, within):
        try:
            saver.wait(within)
        except Exception:
            self.fail(f"the saver did not end within {within} s")
        self.assertEqual(saver.returncode, code)

    def assertRuns(self, saver, seconds=1.0):
        time.sleep(seconds)
        self.assertIsNone(saver.poll(), "the saver ended")

    def test_covers_the_virtual_screen_on_top_and_moves(self):
        with model_missing(self.session):
            self.start_saver()
        code, info = probe(self.session, "info", "Screensaver")
        self.assertEqual(code, 0)
        left, top, width, height = numbers(info["virtual_screen"])
        self.assertEqual(numbers(info["rect"]), (left, top, left + width, top + height))
        self.assertEqual(info["title"], "Screensaver")
        self.assertEqual(info["topmost"], "1")
        first = self.session.screenshot("fullscreen-1")
        time.sleep(1.0)
        second = self.session.screenshot("fullscreen-2")
        box1, count1 = first.find(is_cube)
        box2, count2 = second.find(is_cube)
        self.assertGreater(count1, 1000, "no cube in the first screenshot")
        self.assertGreater(count2, 1000, "no cube in the second screenshot")
        self.assertNotEqual(box1, box2, "the cube did not move")

    def test_a_key_ends_the_saver_with_exit_code_0(self):
        saver = self.start_saver()
        self.session.xdotool("key", "a")
        self.assertEndsWith(saver, 0, 3)

    def test_mouse_movement_ends_it_only_beyond_four_pixels(self):
        saver = self.start_saver()
        self.session.xdotool("mousemove", 500, 400)
        self.assertRuns(saver, 0.5)  # the first movement message cannot end it
        self.session.xdotool("mousemove_relative", "--", 3, 1)
        self.assertRuns(saver, 0.5)  # 3 + 1 = 4 pixels
        self.session.xdotool("mousemove_relative", "--", 3, 2)
        self.assertEndsWith(saver, 0, 3)  # 3 + 2 = 5 pixels

    def test_s_toggles_the_frame_rate_text(self):
        # The cube, not the default model: the model's white clouds could pass the band.
        with model_missing(self.session):
            saver = self.start_saver()
        # The text fills the band 48 to 49 of 50 units up, from 1 unit right.
        height = 768
        unit = height / 50
        band = dict(left=int(unit), top=int(unit), width=int(14 * unit), height=int(unit) + 2)
        # Every cube face has a zero channel; only the white text is bright in all three.
        white = lambda rgb: min(rgb) > 120
        self.session.xdotool("key", "s")
        time.sleep(1.5)
        _, shown = self.session.screenshot("fps-shown").find(white, **band)
        self.session.xdotool("key", "s")
        time.sleep(0.5)
        _, hidden = self.session.screenshot("fps-hidden").find(white, **band)
        self.assertIsNone(saver.poll(), "S ended the saver")
        self.assertGreater(shown, 100, "no frame-rate text after S")
        self.assertEqual(hidden, 0, "the text stayed after the second S")

    def test_a_second_start_activates_the_first_and_ends_with_0(self):
        saver = self.start_saver()
        other = self.session.start("-S")
        self.assertEndsWith(other, 0, 10)
        self.assertIsNone(saver.poll())
        _, info = probe(self.session, "info", "Screensaver")
        self.assertEqual(info["foreground"], "1")

    def test_system_commands_are_swallowed_and_monitor_power_stops_drawing(self):
        saver = self.start_saver()
        for command in (0xF140, 0xF040, 0xF050):  # screen saver, next and previous window
            probe(self.session, "post", "Screensaver", 0x112, command, 0)
        self.assertRuns(saver, 0.5)
        probe(self.session, "post", "Screensaver", 0x112, 0xF170, 2)  # monitor off
        time.sleep(0.5)
        frozen1 = self.session.screenshot("monitor-off-1")
        time.sleep(0.7)
        frozen2 = self.session.screenshot("monitor-off-2")
        self.assertEqual(frozen1.pixels, frozen2.pixels, "frames were drawn with the monitor off")
        # A close request before any input is ignored but resumes the drawing.
        probe(self.session, "post", "Screensaver", 0x10, 0, 0)
        time.sleep(0.5)
        resumed = self.session.screenshot("monitor-on")
        self.assertIsNone(saver.poll())
        self.assertNotEqual(frozen2.pixels, resumed.pixels, "drawing did not resume")


if __name__ == "__main__":
    unittest.main(verbosity=2)
