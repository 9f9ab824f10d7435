"""The page given a damaged resource folder: it prints what the desktop
prints for the same fault, shows the fault's own lines in #messages, ends
as the desktop does (a failed start-up, or playing on) and never hangs: the
start screen comes back and answers again."""

import unittest

from page import Page
from web_folder import FOLDER, FolderCopy, Server, start_up


class BadResources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        _, lines, errors = start_up(FOLDER)
        cls.intact = set(lines + errors)
        cls.page = Page()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def tearDown(self):
        self.assertEqual(self.page.browser.exceptions, [])

    def start(self, copy, server, outcome):
        """Opens the page on the copy, clicks No and checks what it prints
        and shows against the desktop's start-up on the same resources."""
        status, lines, errors = start_up(copy.folder)
        self.assertEqual(status == 0, outcome == "playing", "the desktop's start-up ended %d"
                         % status)
        page = self.page
        page.open(server.url())
        page.wait_for_state("start")
        page.browser.click("#no")
        self.assertEqual(page.wait_for_state("playing", "failed"), outcome, page.lines())
        self.assertEqual(page.texts("log"), lines)
        self.assertEqual(page.texts("error"), errors)
        # The fault's own lines close #messages, which may show the rest
        # of what was printed before them; a run that plays on shows only
        # what went to standard error.
        own = [line for line in lines + errors if line not in self.intact]
        shown = page.text("#messages").splitlines()
        self.assertEqual(shown[len(shown) - len(own):], own)
        if outcome == "playing":
            self.assertEqual(shown, errors)

    def test_without_the_music_start_up_fails_and_the_start_screen_answers_again(self):
        with FolderCopy() as copy, Server(copy.folder) as server:
            copy.remove("noise.ogg")
            self.start(copy, server, "failed")
            self.assertTrue(self.page.visible("#start"))
            # A click starts again: in place, or by loading the page afresh.
            browser = self.page.browser
            browser.evaluate("window.zentrafelFailedHere = true")
            browser.click("#no")
            browser.wait_until(
                "window.zentrafelFailedHere ? window.zentrafelStates.lastIndexOf('loading') >"
                " window.zentrafelStates.lastIndexOf('failed') :"
                " document.body.dataset.state === 'start'", what="a start after the failure")

    def test_a_damaged_image_plays_on_as_on_the_desktop_until_escape(self):
        with FolderCopy() as copy, Server(copy.folder) as server:
            with open(copy.path("greetings.png"), "rb") as image:
                copy.write("greetings.png", image.read()[:20000])
            self.start(copy, server, "playing")
            self.page.browser.key("Escape")
            self.page.wait_for_state("start")
            self.assertTrue(self.page.visible("#start"))


if __name__ == "__main__":
    unittest.main()
