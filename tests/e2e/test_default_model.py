"""The embedded default model on Wine: unpacked into TEMP at every start and
shown textured; and the blur trail, seen on the cube that replaces a model
that cannot be found."""

import getpass
import os
import time
import unittest
import zipfile

from harness import ROOT, SaverTestCase, model_missing

ARCHIVE = os.path.join(ROOT, "resources", "default_model.zip")
SETTINGS_KEY = r"HKCU\Software\QuenlowSaver"
CUBE_COLOURS = [(0, 255, 0), (255, 128, 0), (255, 0, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255)]


def is_cube_colour(rgb):
    return any(all(abs(a - b) <= 8 for a, b in zip(rgb, c)) for c in CUBE_COLOURS)


def is_other_colour(rgb):
    """Lit, but none of the cube's flat face colours: the model's texture."""
    return max(rgb) > 40 and not is_cube_colour(rgb)


class SaverRun(SaverTestCase):
    def temp_dir(self):
        return os.path.join(self.session.env["WINEPREFIX"], "drive_c", "users", getpass.getuser(),
                            "Temp")

    def run_saver_for(self, seconds, screenshot=None):
        saver = self.session.start("/s")
        self.assertIsNotNone(self.session.wait_for_window("Screensaver"), "no saver window")
        time.sleep(seconds)
        picture = self.session.screenshot(screenshot) if screenshot else None
        self.session.xdotool("key", "a")
        saver.wait(10)
        self.assertEqual(saver.returncode, 0)
        return picture

    def reg(self, *args):
        code, output = self.session.wine("reg", *args)
        return code, output


class DefaultModel(SaverRun):
    def test_every_start_unpacks_the_model_and_shows_it_textured(self):
        temp = self.temp_dir()
        for name in ("quenlow.jpg", "Quenlow.3DS"):
            if os.path.exists(os.path.join(temp, name)):
                os.chmod(os.path.join(temp, name), 0o644)
                os.remove(os.path.join(temp, name))
        picture = self.run_saver_for(2.0, "default-model")

        with zipfile.ZipFile(ARCHIVE) as archive:
            members = {info.filename: info for info in archive.infolist()}
        self.assertEqual(sorted(members), ["Quenlow.3DS", "quenlow.jpg"])
        for name, info in members.items():
            path = os.path.join(temp, name)
            self.assertTrue(os.path.isfile(path), f"{name} is not in TEMP")
            self.assertEqual(os.path.getsize(path), info.file_size, name)
            # The DOS time as it stands, in the local time of the machine.
            expected = time.mktime(info.date_time + (0, 0, -1))
            self.assertAlmostEqual(os.path.getmtime(path), expected, delta=2, msg=name)

        _, textured = picture.find(is_other_colour)
        _, cube = picture.find(is_cube_colour)
        self.assertGreater(textured, 2000, "no textured model on the screen")
        self.assertLess(cube, 200, "the cube is drawn instead of the model")

    def test_a_read_only_texture_is_left_and_the_model_rewritten(self):
        temp = self.temp_dir()
        self.run_saver_for(0.5)
        texture, model = os.path.join(temp, "quenlow.jpg"), os.path.join(temp, "Quenlow.3DS")
        old = time.mktime((2020, 1, 2, 3, 4, 5, 0, 0, -1))
        os.utime(texture, (old, old))
        os.utime(model, (old, old))
        code, _ = self.session.wine("cmd", "/c", "attrib", "+r", r"%TEMP%\quenlow.jpg")
        try:
            picture = self.run_saver_for(2.0, "read-only-texture")
            self.assertEqual(os.path.getmtime(texture), old, "the read-only texture was rewritten")
            self.assertNotEqual(os.path.getmtime(model), old, "the model was not rewritten")
            self.assertGreater(picture.find(is_other_colour)[1], 2000, "the texture is not shown")
        finally:
            self.session.wine("cmd", "/c", "attrib", "-r", r"%TEMP%\quenlow.jpg")


class BlurTrail(SaverRun):
    def setUp(self):
        self.missing = model_missing(self.session)
        self.missing.__enter__()
        for name, value in (("blur", 1), ("vel", 100), ("zrots", 100)):
            self.reg("add", SETTINGS_KEY, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f")

    def tearDown(self):
        super().tearDown()
        self.reg("delete", SETTINGS_KEY, "/f")
        self.missing.__exit__(None, None, None)

    def test_a_moving_cube_leaves_a_fading_trail(self):
        picture = self.run_saver_for(2.0, "blur-trail")
        _, full = picture.find(is_cube_colour)
        # Faded copies: lit, but darker than any face colour at full strength.
        _, faded = picture.find(lambda rgb: 25 < max(rgb) < 200)
        self.assertGreater(full, 1000, "no cube at full strength")
        self.assertGreater(faded, 500, "no fading trail behind the cube")


if __name__ == "__main__":
    unittest.main(verbosity=2)
