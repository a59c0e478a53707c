"""QuenlowSaver.scr /c on Wine: the configuration dialog, its banner, and
what Enter and Esc leave in the registry."""

import os
import struct
import time
import unittest

from harness import ROOT, SaverTestCase

TITLE = "Ferrovin Screensaver Config"
KEY = r"HKCU\Software\QuenlowSaver"
DEFAULTS = {"xoff": 134, "yoff": 0, "zoff": 0, "vel": 20, "xrot": 0, "xrots": 1, "yrot": 0,
            "yrots": 1, "zrot": 360, "zrots": 20, "scale": 100, "blur": 0, "lighting": 0}


def banner_rows():
    """The committed banner as rows of RGB bytes, top row first."""
    with open(os.path.join(ROOT, "resources", "banner.bmp"), "rb") as bmp:
        data = bmp.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    assert bits == 24 and height > 0, "the banner is a bottom-up 24-bit BMP"
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        row = data[offset + (height - 1 - y) * stride: offset + (height - 1 - y) * stride + width * 3]
        rows.append(bytes(c for i in range(0, len(row), 3) for c in (row[i + 2], row[i + 1], row[i])))
    return width, rows


def find_picture(image, width, rows, region):
    """Top-left corner where the picture appears unchanged inside the region, or None."""
    left, top, region_width, region_height = region
    first = rows[0]
    for y in range(top, top + region_height - len(rows) + 1):
        line = image.pixels[(y * image.width) * 3: (y * image.width + image.width) * 3]
        start = left * 3
        while True:
            x3 = line.find(first, start, (left + region_width) * 3)
            if x3 < 0:
                break
            if x3 % 3 == 0:
                x = x3 // 3
                if all(image.pixels[((y + j) * image.width + x) * 3:
                                    ((y + j) * image.width + x + width) * 3] == rows[j]
                       for j in range(len(rows))):
                    return x, y
            start = x3 + 1
    return None


class ConfigDialog(SaverTestCase):
    def setUp(self):
        self.reg("delete", KEY, "/f")

    def reg(self, *args):
        """Runs Wine's reg.exe; (exit code, output)."""
        return self.session.wine("reg", *args)

    def open_dialog(self, *args):
        """Starts the .scr and waits for its dialog; gives it the keyboard."""
        process = self.session.start(*args)
        window = self.session.wait_for_window(TITLE)
        self.assertIsNotNone(window, f"no window titled {TITLE!r} after {' '.join(args)}")
        time.sleep(1.0)
        self.session.xdotool("windowfocus", window)
        time.sleep(0.3)
        return process, window

    def assertEndsWith(self, process, code, within=10):
        try:
            process.wait(within)
        except Exception:
            self.fail(f"the dialog did not end within {within} s")
        self.assertEqual(process.returncode, code)

    def stored_values(self):
        """{name: (type, value)} under the settings key; None when there is no key."""
        code, output = self.reg("query", KEY)
        if code != 0:
            return None
        values = {}
        for line in output.splitlines():
            parts = line.split()
            if len(parts) == 3 and parts[1].startswith("REG_"):
                values[parts[0]] = (parts[1], int(parts[2], 0))
        return values

    def test_shows_the_dialog_with_its_banner(self):
        process, window = self.open_dialog("/c")
        x, y, width, height = self.session.geometry(window)
        screen = self.session.screenshot("config-dialog")
        banner_width, rows = banner_rows()
        self.assertEqual((banner_width, len(rows)), (282, 78))
        self.assertGreater(width, banner_width * 2, "the dialog is narrower than expected")
        found = find_picture(screen, banner_width, rows, (x, y, width // 2, height // 2))
        self.assertIsNotNone(found, "the banner is not drawn in the dialog's top left quarter")
        self.session.xdotool("key", "Escape")
        self.assertEndsWith(process, 2)

    def test_enter_stores_the_thirteen_values_and_ends_with_1(self):
        process, _ = self.open_dialog("/c")
        self.session.xdotool("key", "Return")
        self.assertEndsWith(process, 1)
        values = self.stored_values()
        self.assertIsNotNone(values, "OK did not create the settings key")
        self.assertEqual(values, {name: ("REG_DWORD", value) for name, value in DEFAULTS.items()})

    def test_esc_writes_nothing_and_ends_with_2(self):
        for args in ([], ["/c"], ["/c:1234"]):
            with self.subTest(args=args):
                process, _ = self.open_dialog(*args)
                self.session.xdotool("key", "Escape")
                self.assertEndsWith(process, 2)
                self.assertIsNone(self.stored_values(), "Esc wrote the registry")


if __name__ == "__main__":
    unittest.main(verbosity=2)
