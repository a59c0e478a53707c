"""End-to-end harness: runs the real QuenlowSaver.scr under Wine on an Xvfb
display, takes screenshots with xwd and sends input with xdotool.

The tests run on the Wine session of the ctest run (QUENLOW_WINE_SESSION, a
directory made by scripts/wine-run --start-session) or, when run alone, on a
private session that is stopped afterwards. Screenshots are saved as PNG in
QUENLOW_E2E_ARTIFACTS (default: /tmp/quenlow-e2e).
"""

import contextlib
import os
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")
WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


def scr_path():
    path = os.environ.get("QUENLOW_SCR",
                          os.path.join(ROOT, "build", "windows", "resources", "QuenlowSaver.scr"))
    if not os.path.isfile(path):
        raise unittest.SkipTest(f"{path} is missing: build it with cmake --build --preset windows")
    return path


class Image:
    """An RGB picture read from a binary PPM."""

    def __init__(self, data):
        # Header: magic, width, height, maximum, separated by white space and
        # "#" comments; one white-space byte before the samples.
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6":
            raise ValueError("not a binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1: pos + 1 + self.width * self.height * 3]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i: i + 3])

    def region(self, left, top, width, height):
        """Yields (x, y, (r, g, b)) over a rectangle."""
        for y in range(top, top + height):
            row = (y * self.width + left) * 3
            for x in range(width):
                i = row + x * 3
                yield left + x, y, tuple(self.pixels[i: i + 3])

    def find(self, predicate, left=0, top=0, width=None, height=None):
        """Bounding box (x0, y0, x1, y1) and count of the pixels that match."""
        width = self.width - left if width is None else width
        height = self.height - top if height is None else height
        box, count = None, 0
        for x, y, rgb in self.region(left, top, width, height):
            if predicate(rgb):
                count += 1
                box = (x, y, x, y) if box is None else (
                    min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
        return box, count


class Session:
    """The Wine prefix and Xvfb display that the saver runs on."""

    def __init__(self):
        self.private_dir = None
        self.started = []
        directory = os.environ.get("QUENLOW_WINE_SESSION")
        if not directory or not os.path.isfile(os.path.join(directory, "env")):
            self.private_dir = tempfile.mkdtemp(prefix="quenlow-e2e-")
            directory = os.path.join(self.private_dir, "session")
            subprocess.run([WINE_RUN, "--start-session", directory], check=True)
        self.directory = directory
        self.env = dict(os.environ)
        with open(os.path.join(directory, "env")) as env_file:
            for line in env_file:
                key, _, value = line.strip().partition("=")
                if key in ("DISPLAY", "WINEPREFIX"):
                    self.env[key] = value
        self.env["WINEDEBUG"] = "-all"
        self.artifacts = os.environ.get("QUENLOW_E2E_ARTIFACTS", "/tmp/quenlow-e2e")
        os.makedirs(self.artifacts, exist_ok=True)

    def close(self):
        if self.private_dir:
            subprocess.run([WINE_RUN, "--stop-session", self.directory], check=False)

    # Programs --------------------------------------------------------------

    def start(self, *args):
        """Starts a Windows program (the .scr by default) without waiting."""
        program = list(args) if args and args[0].endswith((".exe", ".scr")) else [scr_path(), *args]
        process = subprocess.Popen([WINE64, *program], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def run(self, *args, timeout=30):
        """Runs the .scr to its end; returns the exit code as Windows gives it."""
        process = self.start(*args)
        try:
            process.wait(timeout)
        finally:
            if process.poll() is None:
                process.kill()
        return signed_exit_code(process.returncode)

    def wine(self, *args, timeout=60):
        """Runs a Windows program to its end; returns (exit code, its output)."""
        # Output goes through a file, not a pipe: Wine's service processes that
        # a program may start inherit the pipe and would keep it open.
        with tempfile.TemporaryFile() as output:
            process = subprocess.run([WINE64, *args], env=self.env, stdin=subprocess.DEVNULL,
                                     stdout=output, stderr=subprocess.DEVNULL, timeout=timeout)
            output.seek(0)
            return process.returncode, output.read().decode(errors="replace")

    def kill_all(self):
        """Ends every Windows program on the prefix (the wineserver stays)."""
        quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([WINESERVER, "-k"], env=self.env, check=False, **quiet)
        subprocess.run([WINESERVER, "-w"], env=self.env, check=False, **quiet)
        subprocess.run([WINESERVER, "-p"], env=self.env, check=False, **quiet)
        for process in self.started:
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.started = []

    # The display -----------------------------------------------------------

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, stdin=subprocess.DEVNULL)
        return result.stdout.strip() if result.returncode == 0 else None

    def wait_for_window(self, name, timeout=20):
        """X window id of the first visible window with exactly that name."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
            if found:
                return found.split()[0]
            time.sleep(0.1)
        return None

    def geometry(self, window):
        """(x, y, width, height) of an X window."""
        out = self.xdotool("getwindowgeometry", "--shell", window) or ""
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return tuple(int(values.get(k, -1)) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def screenshot(self, name):
        """The whole display as an Image; also saved as NAME.png."""
        xwd = subprocess.run(["xwd", "-root", "-silent", "-display", self.env["DISPLAY"]],
                             check=True, capture_output=True).stdout
        ppm = subprocess.run(["convert", "xwd:-", "ppm:-"], input=xwd, check=True,
                             capture_output=True).stdout
        subprocess.run(["convert", "ppm:-", os.path.join(self.artifacts, name + ".png")],
                       input=ppm, check=True)
        return Image(ppm)


def signed_exit_code(code):
    """Wine passes the low 8 bits of the Windows exit code: 255 is -1."""
    return code - 256 if code is not None and code > 127 else code


def is_colour(target, tolerance=40):
    return lambda rgb: all(abs(a - b) <= tolerance for a, b in zip(rgb, target))


def is_lit(rgb, threshold=40):
    return max(rgb) > threshold


class SaverTestCase(unittest.TestCase):
    """One session for the test class; every Windows program ends after each test."""

    @classmethod
    def setUpClass(cls):
        cls.session = Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.kill_all()
        cls.session.close()

    def tearDown(self):
        self.session.kill_all()


def probe(session, *args, timeout=60):
    """Runs the window probe; returns (exit code, {key: value})."""
    path = os.environ.get("QUENLOW_PROBE",
                          os.path.join(ROOT, "build", "windows", "tests", "e2e", "window_probe.exe"))
    if not os.path.isfile(path):
        raise unittest.SkipTest(f"{path} is missing: build the windows preset")
    code, output = session.wine(path, *map(str, args), timeout=timeout)
    values = dict(line.split("=", 1) for line in output.splitlines() if "=" in line)
    return code, values


def numbers(text):
    return tuple(int(part) for part in text.split(","))


ENVIRONMENT_KEY = r"HKCU\Environment"


@contextlib.contextmanager
def model_missing(session):
    """Points the saver's TEMP at a directory that does not exist, so nothing is
    unpacked, no model loads and the coloured cube is drawn; restores TEMP after."""
    _, output = session.wine("reg", "query", ENVIRONMENT_KEY, "/v", "TEMP")
    saved = [line.split(None, 2) for line in output.splitlines() if line.split()[:1] == ["TEMP"]]
    session.wine("reg", "add", ENVIRONMENT_KEY, "/v", "TEMP", "/d", r"C:\quenlow-missing", "/f")
    try:
        yield
    finally:
        if saved and len(saved[0]) == 3:
            _, kind, value = saved[0]
            session.wine("reg", "add", ENVIRONMENT_KEY, "/v", "TEMP", "/t", kind, "/d", value, "/f")
        else:
            session.wine("reg", "delete", ENVIRONMENT_KEY, "/v", "TEMP", "/f")
