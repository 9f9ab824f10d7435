"""The page's single frames (index.html?at=T&size=640x360) against the
desktop's stills of the same times, drawn now by the release build's offline
renderer: the times of the GLES 2 build's still comparison
(tests/gles/stills_test.cpp), over every section and both sides of every
boundary. Per still the share of pixels differing by more than 10 % of full
scale in any channel and the PSNR over all channels are printed as a table
row (docs/testing.md) and held to their bounds."""

import math
import os
import re
import tempfile
import unittest

from page import Page
from web_folder import ROOT, Server, render_stills, rgb

WIDTH, HEIGHT = 640, 360
# Looser than the GLES 2 build's bounds on Mesa (0.05 %, 50 dB): SwiftShader
# rasterises and samples textures by rules of its own.
MOST_BEYOND_A_TENTH = 0.005
LEAST_PSNR = 35.0


def still_times():
    """The times of the GLES 2 build's still comparison, read from its test
    so that both compare the same moments."""
    with open(os.path.join(ROOT, "tests", "gles", "stills_test.cpp")) as source:
        literal = re.search(r"kTimes\[\] = ((?:\s*\"[^\"]*\")+);", source.read()).group(1)
    return "".join(re.findall(r"\"([^\"]*)\"", literal)).split(",")


def compare(desktop, web):
    """(pixels with a channel more than 25 levels off, PSNR in dB) of two
    pictures of 8-bit RGB bytes."""
    beyond, squares = 0, 0
    for p in range(0, len(desktop), 3):
        r, g, b = (abs(desktop[c] - web[c]) for c in (p, p + 1, p + 2))
        squares += r * r + g * g + b * b
        beyond += r > 25 or g > 25 or b > 25
    psnr = math.inf if squares == 0 else 10 * math.log10(255 * 255 * len(desktop) / squares)
    return beyond, psnr


class Stills(unittest.TestCase):
    def test_every_still_is_close_to_the_desktops(self):
        times = still_times()
        pixels = WIDTH * HEIGHT
        with tempfile.TemporaryDirectory() as desktop, Server() as server, Page() as page:
            render_stills(times, "%dx%d" % (WIDTH, HEIGHT), desktop)
            print("\n| Music time (s) | Pixels > 10 % | PSNR (dB) |\n|---|---|---|")
            for t in times:
                page.open(server.url("?at=%s&size=%dx%d" % (t, WIDTH, HEIGHT)))
                # A page that never gets there ends the test.
                state = page.wait_for_state("shown", "failed")
                with self.subTest(time=t):
                    self.assertEqual(state, "shown", page.lines())
                    # At the top left, one canvas pixel to a screen pixel.
                    self.assertEqual(page.browser.evaluate(
                        "(() => { const c = document.querySelector('canvas'),"
                        " r = c.getBoundingClientRect();"
                        " return [r.x, r.y, r.width, r.height, c.width, c.height]; })()"),
                        [0, 0, WIDTH, HEIGHT, WIDTH, HEIGHT])
                    web = rgb(page.browser.screenshot(0, 0, WIDTH, HEIGHT))
                    with open(os.path.join(desktop, "%07.3f.png" % float(t)), "rb") as png:
                        beyond, psnr = compare(rgb(png.read()), web)
                    print("| %.3f | %.3f %% | %s |" % (float(t), 100.0 * beyond / pixels,
                          "identical" if math.isinf(psnr) else "%.2f" % psnr), flush=True)
                    self.assertLessEqual(beyond, MOST_BEYOND_A_TENTH * pixels)
                    self.assertGreaterEqual(psnr, LEAST_PSNR)
            self.assertEqual(page.browser.exceptions, [])


if __name__ == "__main__":
    unittest.main()
