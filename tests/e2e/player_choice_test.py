"""The player's choices for a party screen or a rehearsal, on the virtual X
server: the window's size, the time to begin at, the monitors."""

import subprocess
import unittest

from production import (BINARY, Production, assert_lit_and_dark, paused_screen,
                        quiet_environment)


class WindowSize(unittest.TestCase):
    def test_a_1280_by_720_window_draws_the_whole_16_by_9_picture(self):
        # 20 s into the music the line field fills the picture to its edges.
        rows = paused_screen(self, ("--windowed", "--window", "1280x720", "--start", "20"),
                             (1280, 720))
        # No letterbox: the picture reaches every edge of the window.
        assert_lit_and_dark(self, rows, lit=[(0, 20, 0, 1280), (700, 720, 0, 1280),
                                             (0, 720, 0, 20), (0, 720, 1260, 1280)])


class StartTime(unittest.TestCase):
    def test_start_100_pauses_at_100_or_later(self):
        with Production(args=("--windowed", "--start", "100")) as p:
            p.read_startup()
            paused = p.pause()
            p.keys("Escape")
            self.assertEqual(p.wait(), 0)
        self.assertGreaterEqual(paused, 100.0)
        self.assertLess(paused, 130.0, "begun at 100 s, not somewhere else")

    def test_a_start_past_the_end_is_refused(self):
        with Production(args=("--windowed", "--start", "1000")) as p:
            self.assertEqual(p.wait(), 2)
            self.assertIn(b"past the end of the music", p.stderr)


class Monitors(unittest.TestCase):
    def run_binary(self, *args):
        return subprocess.run([BINARY, *args], capture_output=True, text=True, timeout=30,
                              env=quiet_environment())

    def test_list_monitors_lists_the_virtual_screen(self):
        listed = self.run_binary("--list-monitors")
        self.assertEqual(listed.returncode, 0, listed.stderr)
        lines = listed.stdout.splitlines()
        self.assertEqual(len(lines), 1, listed.stdout)
        self.assertRegex(lines[0], r"^0: .* 1920x1080 .*\(primary\)$")

    def test_a_monitor_that_is_not_there_is_refused_before_anything_opens(self):
        # Without an answer too: the mistake is found before the question.
        for args in (("--monitor", "5", "--fullscreen"), ("--monitor", "5")):
            refused = self.run_binary(*args)
            self.assertEqual(refused.returncode, 2, args)
            self.assertIn("there is no monitor 5: 1 monitor is connected", refused.stderr)
            self.assertEqual(refused.stdout, "", "nothing was loaded")

    def test_monitor_0_plays_full_screen_on_it(self):
        with Production(args=("--fullscreen", "--monitor", "0")) as p:
            p.read_startup()
            self.assertEqual(p.window_size(), (1920, 1080))
            p.keys("Escape")
            self.assertEqual(p.wait(), 0)


if __name__ == "__main__":
    unittest.main()
