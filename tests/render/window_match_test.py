"""A still of zentrafel-render is the picture the production shows in its
window at the same music position: the production is paused on a virtual X
server, its window grabbed, and the still of the paused position compared
with it, channel by channel, within 1/255."""

import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from production import Production, quiet_environment  # noqa: E402

RENDER = os.environ.get("ZENTRAFEL_RENDER", "build/render/tools/render/zentrafel-render")
WIDTH, HEIGHT = 640, 480
RATE = 44100
# A paused frame is drawn within a frame time; a loaded machine may take a
# few tenths of a second for one.
SETTLE = 1.5


def rgb_of_png(path):
    return subprocess.run(
        ["ffmpeg", "-loglevel", "error", "-i", path, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"],
        check=True, capture_output=True, timeout=30).stdout


def grab_window():
    """The 640 x 480 window at the screen's top left corner, without the
    pointer, as rgb24 bytes."""
    return subprocess.run(
        ["ffmpeg", "-loglevel", "error", "-f", "x11grab", "-draw_mouse", "0",
         "-video_size", "%dx%d" % (WIDTH, HEIGHT), "-i", os.environ["DISPLAY"],
         "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "rgb24", "-"],
        check=True, capture_output=True, timeout=30).stdout


def still(seconds, folder):
    subprocess.run([RENDER, "--at", repr(seconds), "--size", "%dx%d" % (WIDTH, HEIGHT),
                    "--out", folder], check=True, stdout=subprocess.DEVNULL, timeout=60,
                   env=quiet_environment())
    return rgb_of_png(os.path.join(folder, "%07.3f.png" % seconds))


def largest_difference(a, b):
    return max(abs(x - y) for x, y in zip(a, b))


class StillMatchesWindow(unittest.TestCase):
    # The time is printed just before the music stops, and the clock may move
    # on by a sample or two in between: the picture is the one of the stopped
    # position, a whole sample at or after the printed time. On a loaded
    # machine the process may lose the processor between the two and the
    # clock move on further; then the pause is taken again, a few times.
    ATTEMPTS = 3

    def compare(self, printed, window, folder):
        """The largest channel difference between the window and the still of
        each sample from the printed time on, up to the first match."""
        first = round(printed * RATE)
        differences = []
        for sample in range(first, first + 4):
            rendered = still(sample / RATE, os.path.join(folder, str(sample)))
            self.assertEqual(len(rendered), len(window))
            differences.append(largest_difference(rendered, window))
            if differences[-1] <= 1:
                break
        return first, differences

    def test_still_at_the_paused_position_is_the_windows_picture(self):
        tried = []
        with Production() as production, tempfile.TemporaryDirectory() as folder:
            production.read_startup()
            production.pause()
            # About 20 s in: the line field with the title, well lit.
            production.keys("Right", "Right", "Right", "Right")
            for _ in range(self.ATTEMPTS):
                printed = production.peek()
                time.sleep(SETTLE)
                window = grab_window()
                self.assertEqual(len(window), WIDTH * HEIGHT * 3)
                tried.append(self.compare(printed, window, folder))
                if min(tried[-1][1]) <= 1:
                    break
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)
        self.assertLessEqual(min(tried[-1][1]), 1,
                             "largest channel difference per sample from each printed "
                             "sample: %r" % tried)

if __name__ == "__main__":
    unittest.main()
