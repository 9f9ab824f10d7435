"""The playback keys pressed on the production's window through the X server:
pause and resume, seeks while paused, keys that must do nothing, quitting."""

import time
import unittest

from production import STARTUP_LINES, Production, ResourceCopy, xdotool

# Key presses reach the program at the next poll, one frame later at most;
# a loaded machine may take a few tenths of a second per frame.
FRAME_SLACK = 0.5


class PauseAndResume(unittest.TestCase):
    def test_space_prints_the_time_and_a_second_space_resumes_from_it(self):
        with Production() as production:
            self.assertEqual(production.read_startup(), STARTUP_LINES)
            loaded = time.monotonic()
            first = production.pause()
            # The music starts after the last start-up line, so it cannot be
            # further on than the wall clock since then.
            self.assertGreaterEqual(first, 0.0)
            self.assertLessEqual(first, time.monotonic() - loaded + FRAME_SLACK)

            # Paused: the time does not move, however long the pause.
            self.assertAlmostEqual(production.peek(), first, delta=FRAME_SLACK)
            frozen = production.peek()

            production.keys("space")
            resumed = time.monotonic()
            time.sleep(1.5)
            later = production.pause()
            elapsed = time.monotonic() - resumed
            self.assertAlmostEqual(later - frozen, elapsed, delta=FRAME_SLACK)

            # Escape while paused ends the run normally.
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)


class SeeksWhilePaused(unittest.TestCase):
    def test_left_and_right_move_the_paused_time_by_five_seconds(self):
        with Production() as production:
            production.read_startup()
            start = production.pause()
            production.keys("Right", "Right")
            after_right = production.peek()
            self.assertAlmostEqual(after_right, start + 10.0, delta=FRAME_SLACK)
            production.keys("Left")
            after_left = production.peek()
            self.assertAlmostEqual(after_left, after_right - 5.0, delta=FRAME_SLACK)
            # Three more seconds back than there are: the start, not before it.
            production.keys("Left", "Left", "Left")
            self.assertAlmostEqual(production.peek(), 0.0, delta=FRAME_SLACK)
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)

    def test_holding_right_seeks_once_and_enter_does_nothing(self):
        with Production() as production:
            production.read_startup()
            start = production.pause()
            production.find_window()
            # Long enough for the X server to auto-repeat the key many times.
            xdotool("keydown", "Right")
            time.sleep(1.5)
            xdotool("keyup", "Right")
            held = production.peek()
            self.assertAlmostEqual(held, start + 5.0, delta=FRAME_SLACK)
            production.keys("Return", "KP_Enter", "Up", "a")
            self.assertAlmostEqual(production.peek(), held, delta=FRAME_SLACK)
            self.assertTrue(production.running())
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)
            self.assertEqual(production.rest_of_output(), [])


class EscapeWhileLoading(unittest.TestCase):
    def test_escape_on_the_loading_image_ends_the_run_at_the_first_frame(self):
        with Production() as production:
            # So the press certainly arrives before the first frame.
            with production.held_while_loading():
                production.keys("Escape")
            self.assertEqual(production.wait(), 0)
            rest = production.rest_of_output()
            self.assertEqual(production.seen, STARTUP_LINES[:len(production.seen)])
            self.assertEqual(len(production.seen), len(STARTUP_LINES), rest)


class Loop(unittest.TestCase):
    def test_the_music_starts_again_at_its_end_until_escape(self):
        length = 1.5
        with ResourceCopy() as copy:
            copy.short_music(length)
            args = ("--windowed", "--mute", "--loop")
            with Production(args, cwd=copy.folder) as production:
                self.assertEqual(production.read_startup(), STARTUP_LINES)
                # Well past the end, twice over: a run without --loop is over.
                time.sleep(2 * length + 0.5)
                self.assertTrue(production.running())
                paused_at = production.pause()
                self.assertGreaterEqual(paused_at, 0.0)
                self.assertLess(paused_at, length)
                # A seek past the end while paused starts again, still paused.
                production.keys("Right")
                self.assertLess(production.peek(), FRAME_SLACK)
                production.keys("Escape")
                self.assertEqual(production.wait(), 0)


if __name__ == "__main__":
    unittest.main()
