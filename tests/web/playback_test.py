"""The page played as a viewer plays it: the start screen's buttons, the
loading, the lines start-up prints, the clock at real speed, pause and seeks
while paused, Escape, and the music's end."""

import time
import unittest

from page import Page
from web_folder import FOLDER, FolderCopy, Server, start_up

FRAME = 1 / 60
# Resumed, then paused this far apart, the music time moves as far as the
# wall time, within CLOCK_SLACK.
CLOCK_SPAN = 3.0
CLOCK_SLACK = 0.05
SEEK = 5.0
SHORT_MUSIC = 4.0


class Viewer:
    """Starts a run from the start screen and ends it with Escape."""

    def __init__(self, test, page):
        self.test, self.page = test, page

    def start(self, url, button):
        page = self.page
        page.open(url)
        page.wait_for_state("start")
        self.assert_start_screen()
        page.browser.click(button)
        self.test.assertEqual(page.wait_for_state("playing", "failed"), "playing", page.lines())
        self.test.assertEqual(page.states_since_start(), ["start", "loading", "playing"])
        print("\nclick to first frame (%s): %.3f s" % (button, page.click_to_first_frame()))

    def assert_start_screen(self):
        self.test.assertTrue(self.page.visible("#start"))
        self.test.assertIn("Fullscreen?", self.page.text("#start"))

    def escape(self):
        """Escape ends the run: the start screen returns, maybe by reloading
        the page. In full screen the browser takes the first Escape to leave
        it, as it does for any page."""
        if self.page.fullscreen():
            self.page.browser.key("Escape")
            self.page.browser.wait_until("!document.fullscreenElement", what="full screen left")
        self.page.browser.key("Escape")
        self.page.wait_for_state("start")
        self.assert_start_screen()


class StartScreen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.page = Page()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()
        cls.server.close()

    def tearDown(self):
        self.assertEqual(self.page.browser.exceptions, [])

    def test_no_plays_in_the_page_in_real_time_pauses_and_seeks_while_paused(self):
        page, viewer = self.page, Viewer(self, self.page)
        viewer.start(self.server.url(), "#no")
        self.assertEqual(page.fullscreen_requests(), 0)
        _, lines, errors = start_up(FOLDER)
        self.assertEqual(page.texts("log"), lines)
        self.assertEqual(page.texts("error"), errors)

        # The clock: paused, resumed at once, paused again CLOCK_SPAN later;
        # the music time runs as the wall clock from the resume on.
        first, resumed = page.pause_and_resume()
        page.browser.pump(resumed + CLOCK_SPAN - time.time())
        second, second_wall = page.pause()
        print("clock: %.6f s of music in %.6f s of wall time"
              % (second - first, second_wall - resumed))
        self.assertAlmostEqual(second - first, second_wall - resumed, delta=CLOCK_SLACK)

        # Paused, the time stands still; the seeks move it while paused.
        # Each look resumes for a moment, which the time may run on for.
        page.browser.pump(1.0)
        paused, resumed_for = page.peek()
        self.assertAlmostEqual(paused, second, delta=FRAME + resumed_for)
        page.browser.key("Right")
        right, resumed_for = page.peek()
        self.assertAlmostEqual(right, paused + SEEK, delta=FRAME + resumed_for)
        page.browser.key("Left")
        left, resumed_for = page.peek()
        self.assertAlmostEqual(left, right - SEEK, delta=FRAME + resumed_for)
        self.assertEqual(page.text("#time").strip(), "time:%.6f" % left)
        viewer.escape()

    def test_yes_asks_for_full_screen_and_plays_from_the_start_time(self):
        page, viewer = self.page, Viewer(self, self.page)
        clicked = time.monotonic()
        viewer.start(self.server.url("?start=100"), "#yes")
        self.assertGreater(page.fullscreen_requests(), 0)
        paused, _ = page.pause()
        self.assertGreaterEqual(paused, 100.0)
        self.assertLessEqual(paused, 100.0 + time.monotonic() - clicked)
        viewer.escape()


class TheEnd(unittest.TestCase):
    def test_a_short_music_plays_to_its_end_and_the_start_screen_returns(self):
        with FolderCopy() as copy, Server(copy.folder) as server, Page() as page:
            copy.short_music(SHORT_MUSIC)
            viewer = Viewer(self, page)
            viewer.start(server.url(), "#no")
            playing = time.monotonic()
            page.wait_for_state("start", timeout=SHORT_MUSIC + 30)
            self.assertGreater(time.monotonic() - playing, SHORT_MUSIC - 0.5)
            viewer.assert_start_screen()
            self.assertEqual(page.browser.exceptions, [])


if __name__ == "__main__":
    unittest.main()
