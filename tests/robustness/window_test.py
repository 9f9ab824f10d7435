"""The production itself, in a window on the test's X server, given what real
machines and users give it: a window manager closing the window at any time,
no resource folder at all, music damaged past its headers, and command lines
it does not know."""

import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from production import (BINARY, STARTUP_LINES, Production, ResourceCopy,  # noqa: E402
                        quiet_environment)

import damage  # noqa: E402
from close_request import request_close  # noqa: E402

FAILED = 255  # the -1 of a failed start-up, as the shell sees it


class ClosedByTheWindowManager(unittest.TestCase):
    def test_while_loading(self):
        with Production() as production:
            production.wait_for(r"^Texture::Load ./resource/zentrafel.png$")
            window = production.find_window()
            # Held still in the middle of loading, so the request certainly
            # waits for the first frame's poll; loading polls no events.
            os.kill(production.process.pid, 19)  # SIGSTOP
            try:
                request_close(window)
            finally:
                os.kill(production.process.pid, 18)  # SIGCONT
            self.assertEqual(production.wait(), 0)
            production.rest_of_output()
            self.assertEqual(production.seen, STARTUP_LINES)

    def test_while_playing(self):
        with Production() as production:
            production.read_startup()
            # A printed time proves the frame loop runs; the second Space
            # resumes, and the request comes behind it.
            production.pause()
            production.keys("space")
            request_close(production.find_window())
            self.assertEqual(production.wait(), 0)
            self.assertEqual(production.rest_of_output(), [])

    def test_while_paused(self):
        with Production() as production:
            production.read_startup()
            production.pause()
            request_close(production.find_window())
            self.assertEqual(production.wait(), 0)
            self.assertEqual(production.rest_of_output(), [])


def run_to_end(cwd, timeout=90):
    with Production(cwd=cwd) as production:
        status = production.wait(timeout)
        return status, production.rest_of_output(), production.stderr.decode("utf-8", "replace")


class BrokenFolder(unittest.TestCase):
    def test_no_resource_folder_stops_at_the_first_program_with_its_line(self):
        # Every image fails quietly; the particle system's program is the first
        # step start-up depends on, and its first file is the last line.
        empty = tempfile.mkdtemp(prefix="zentrafel-empty-")
        try:
            status, lines, errors = run_to_end(empty)
        finally:
            os.rmdir(empty)
        cut = STARTUP_LINES.index("Shader::Load ./resource/ps.ves") + 1
        self.assertEqual(lines, STARTUP_LINES[:cut], errors)
        self.assertEqual(status, FAILED, errors)

    def test_music_damaged_after_its_headers_plays_what_decodes_and_ends(self):
        cases = {"cut in the middle": damage.cut_short,
                 "bit-flipped in its body": lambda music: damage.flip_bits_in_ogg_body(music, 3)}
        for kind, damaged in cases.items():
            with self.subTest(kind), ResourceCopy() as copy:
                copy.short_music(3.0)
                with open(copy.path("noise.ogg"), "rb") as music:
                    copy.write("noise.ogg", damaged(music.read()))
                status, lines, errors = run_to_end(copy.folder)
                self.assertEqual(lines, STARTUP_LINES, errors)
                self.assertEqual(status, 0, errors)


class MalformedCommandLine(unittest.TestCase):
    def test_each_prints_the_usage_and_exits_2(self):
        for args in (["--windowed=yes"], ["-w"], [""], ["--Windowed"], ["windowed"],
                     ["--help", "--bogus"], ["--windowed", "--fullscreen", "-"]):
            with self.subTest(args=args):
                result = subprocess.run([os.path.abspath(BINARY), *args], capture_output=True,
                                        text=True, timeout=30, env=quiet_environment())
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertEqual(result.stdout, "")
                self.assertIn("usage:", result.stderr)


if __name__ == "__main__":
    unittest.main()
