"""The Windows build, from its unpacked zip, run under wine on the test's
virtual X server: the question answered in its message box, a short piece
played to its end, the pause key, a failed start-up, and stills of the
offline renderer against the Linux build's; and what Explorer shows of the
executables (their icon and version), read from their resources.

scripts/test-windows runs it after the cross build, with the wine server
started and WINEPREFIX set; ZENTRAFEL_WINDOWS names the unpacked folder,
ZENTRAFEL_RENDER the Linux build's offline renderer."""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from production import (STARTUP_LINES, TIME_LINE, WAIT, Production,  # noqa: E402
                        ResourceCopy, xdotool)

FOLDER = os.environ.get("ZENTRAFEL_WINDOWS", "build/windows-release/unpacked")
EXE = os.path.join(FOLDER, "zentrafel.exe")
RENDER_EXE = os.path.join(FOLDER, "zentrafel-render.exe")
LINUX_RENDER = os.environ.get("ZENTRAFEL_RENDER", "build/release/tools/render/zentrafel-render")
FAILED = 255  # the -1 of a failed start-up
SCREEN = (1280, 1024)  # the virtual screen of scripts/test-windows


def wine_environment():
    env = dict(os.environ)
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
    return env


class WineProduction(Production):
    """The production run through wine. The program's window is found by
    its title alone: the process that owns it is wine's, not the one
    started here. The Windows C runtime ends lines with CR LF."""

    def __init__(self, args=("--windowed",), cwd=None):
        super().__init__(args=("wine", os.path.abspath(EXE), *args), cwd=cwd,
                         env=wine_environment(), binary="/usr/bin/env")

    def _read_stdout(self):
        for raw in self.process.stdout:
            self.lines.put(raw.decode("utf-8", "replace").rstrip("\r\n"))
        self.lines.put(None)

    def find_window(self):
        if self.window is None:
            self.window = wait_for_window()
        xdotool("windowfocus", "--sync", self.window)
        return self.window


def titled_windows():
    """The ids of the top-level windows titled "zentrafel", in stacking order."""
    tree = subprocess.check_output(["xwininfo", "-root", "-children"], text=True)
    return re.findall(r'^\s*(0x[0-9a-f]+) "zentrafel":', tree, re.MULTILINE)


def wait_for_window(timeout=WAIT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for window in titled_windows():
            info = subprocess.check_output(["xwininfo", "-id", window], text=True)
            if "IsViewable" in info:
                return window
        time.sleep(0.05)
    raise TimeoutError("no window titled zentrafel appeared")


def window_size(window):
    info = subprocess.check_output(["xwininfo", "-id", window], text=True)
    width = int(re.search(r"Width: (\d+)", info).group(1))
    height = int(re.search(r"Height: (\d+)", info).group(1))
    return width, height


def run_to_end(cwd, timeout=90):
    with WineProduction(cwd=cwd) as production:
        status = production.wait(timeout)
        return status, production.rest_of_output(), production.stderr.decode("utf-8", "replace")


def pixels(png):
    return subprocess.run(["ffmpeg", "-v", "error", "-i", png, "-f", "rawvideo",
                           "-pix_fmt", "rgb24", "-"], check=True, capture_output=True).stdout


class Question(unittest.TestCase):
    """The message box is an X window titled after its caption; Return is
    Yes (the whole screen), n is No (a 640 x 480 window)."""

    def answer(self, key):
        with WineProduction(args=()) as production:
            dialog = wait_for_window()
            xdotool("windowfocus", "--sync", dialog)
            xdotool("key", key)
            self.assertEqual(production.read_startup(), STARTUP_LINES)
            production.find_window()
            size = window_size(production.window)
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)
            return size

    def test_return_answers_yes_and_plays_on_the_whole_screen(self):
        self.assertEqual(self.answer("Return"), SCREEN)

    def test_n_answers_no_and_plays_in_a_window(self):
        self.assertEqual(self.answer("n"), (640, 480))


class Playback(unittest.TestCase):
    def test_a_short_piece_plays_to_its_end_with_status_0(self):
        with ResourceCopy() as copy:
            copy.short_music(2.0)
            status, lines, errors = run_to_end(cwd=copy.folder)
            self.assertEqual(lines, STARTUP_LINES, errors)
            self.assertEqual(status, 0, errors)

    def test_space_prints_the_time_and_escape_ends_with_status_0(self):
        with WineProduction() as production:
            self.assertEqual(production.read_startup(), STARTUP_LINES)
            production.keys("space")
            paused = float(production.wait_for(TIME_LINE.pattern).group(1))
            self.assertGreaterEqual(paused, 0.0)
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)

    def test_missing_music_ends_start_up_with_status_255(self):
        with ResourceCopy() as copy:
            copy.remove("noise.ogg")
            status, lines, errors = run_to_end(cwd=copy.folder)
            self.assertEqual(lines, STARTUP_LINES + ["can't open the file"], errors)
            self.assertEqual(status, FAILED)


class Stills(unittest.TestCase):
    """The offline renderer draws what the Linux build draws at the same
    music times, byte for byte: one still in each section (the opening, the
    title, the wave grid, the greetings, the closing, the credits), and one
    larger than the virtual screen, which a window could not hold."""

    def assert_stills_equal(self, times, size, names):
        width, height = map(int, size.split("x"))
        with tempfile.TemporaryDirectory(prefix="zentrafel-stills-") as folder:
            windows = os.path.join(folder, "windows")
            linux = os.path.join(folder, "linux")
            for command, out in (
                    (["wine", os.path.abspath(RENDER_EXE)], windows),
                    ([os.path.abspath(LINUX_RENDER)], linux)):
                subprocess.run(command + ["--at", times, "--size", size, "--out", out],
                               check=True, stdout=subprocess.DEVNULL, env=wine_environment(),
                               timeout=300)
            self.assertEqual(sorted(os.listdir(linux)), names)
            self.assertEqual(sorted(os.listdir(windows)), names)
            for name in names:
                with self.subTest(name):
                    a = pixels(os.path.join(windows, name))
                    b = pixels(os.path.join(linux, name))
                    self.assertEqual(len(a), width * height * 3)
                    differing = sum(x != y for x, y in zip(a, b))
                    self.assertEqual(differing, 0, "%d of %d bytes differ" % (differing, len(a)))

    def test_a_still_in_each_section_equals_the_linux_builds(self):
        self.assert_stills_equal("5.0,44.0,75.0,96.6,160.0,176.0", "640x360",
                                 ["005.000.png", "044.000.png", "075.000.png", "096.600.png",
                                  "160.000.png", "176.000.png"])

    def test_a_still_larger_than_the_screen_equals_the_linux_builds(self):
        self.assertGreater(1920, SCREEN[0])
        self.assert_stills_equal("96.6", "1920x1080", ["096.600.png"])


def version_string(block, key):
    """A string of a version block (as UTF-16 text): its key, the padding to
    a 4-byte boundary, then its value."""
    return re.search(key + r"\x00+([^\x00]+)", block)[1]


class Resources(unittest.TestCase):
    """Both executables carry the desktop icon from 16 to 256 pixels and a
    version block naming the product and its version; the zip carries the
    licence, ours and the fonts' of the images' lettering."""

    def test_each_executable_has_the_icon_and_the_version(self):
        with open("build/windows-release/CMakeCache.txt") as cache:
            version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache.read(), re.M)[1]
        for exe in (EXE, RENDER_EXE):
            with self.subTest(os.path.basename(exe)), \
                    tempfile.TemporaryDirectory(prefix="zentrafel-icon-") as folder:
                # Type 14 is the icon group Explorer shows, 16 the version.
                subprocess.run(["wrestool", "-x", "-t", "14", "-o", folder, exe], check=True)
                (icon,) = os.listdir(folder)
                listing = subprocess.run(["icotool", "-l", os.path.join(folder, icon)],
                                         check=True, capture_output=True, text=True).stdout
                sides = {int(side) for side in re.findall(r"--width=(\d+)", listing)}
                self.assertLessEqual({16, 32, 48, 256}, sides)
                block = subprocess.run(["wrestool", "-x", "--raw", "-t", "16", exe], check=True,
                                       capture_output=True).stdout.decode("utf-16-le", "replace")
                self.assertEqual(version_string(block, "ProductName"), "zentrafel")
                self.assertEqual(version_string(block, "FileVersion"), version)
                self.assertEqual(version_string(block, "OriginalFilename"),
                                 os.path.basename(exe))
                self.assertIn(os.path.basename(exe)[:-4], version_string(block, "FileDescription"))

    def test_the_zip_carries_the_licence(self):
        with open(os.path.join(FOLDER, "LICENSE.txt")) as licence:
            text = licence.read()
        self.assertIn("Copyright (c) 2026 The zentrafel developers", text)
        self.assertIn("Permission is granted to anyone to use this software", text)
        self.assertIn("Bitstream Vera", text)


if __name__ == "__main__":
    unittest.main()
