"""The production started as a whole: what it prints, how it ends, and what
it does with a broken resource folder, a missing display or driver feature,
and its command line."""

import os
import re
import subprocess
import time
import unittest

from production import (BINARY, STARTUP_LINES, Production, ResourceCopy,
                        assert_lit_and_dark, music_length, paused_screen, quiet_environment,
                        screen_rows)

FAILED = 255  # the -1 of a failed start-up, as the shell sees it


def run_to_end(args=("--windowed",), cwd=None, env=None, timeout=60):
    """Runs the production until it ends by itself: (status, stdout, stderr)."""
    with Production(args, cwd=cwd, env=env) as production:
        status = production.wait(timeout)
        lines = production.rest_of_output()
        return status, lines, production.stderr.decode("utf-8", "replace")


class WholeRun(unittest.TestCase):
    def test_startup_lines_in_loading_order_then_status_0_at_the_end(self):
        length = music_length("resource/noise.ogg")
        with Production() as production:
            self.assertEqual(production.read_startup(), STARTUP_LINES)
            paused_at = production.pause()
            # Stay inside the music with as many seeks as fit, then leave it.
            inside = int((length - paused_at) // 5) - 1
            production.keys(*["Right"] * inside)
            reached = production.peek()
            self.assertAlmostEqual(reached, paused_at + 5 * inside, delta=0.5)
            self.assertTrue(production.running())
            production.keys("Right", "Right")
            self.assertEqual(production.wait(), 0)
            self.assertEqual(production.rest_of_output(), [])


class BrokenResources(unittest.TestCase):
    def test_missing_or_undecodable_images_print_their_line_and_play_on(self):
        with ResourceCopy() as copy:
            copy.short_music()
            copy.remove("corvattis.png")
            copy.remove("credits.png")
            copy.write("loading.png", os.urandom(300))
            copy.write("x.png", b"\x89PNG\r\n\x1a\n" + os.urandom(100))
            with open(os.path.join(copy.resource, "zentrafel.png"), "rb") as image:
                truncated = image.read()[:200]
            copy.write("zentrafel.png", truncated)
            status, lines, errors = run_to_end(cwd=copy.folder)
            self.assertEqual(lines, STARTUP_LINES, errors)
            self.assertEqual(status, 0, errors)

    def test_missing_music_ends_start_up_with_the_library_text(self):
        with ResourceCopy() as copy:
            copy.remove("noise.ogg")
            status, lines, _ = run_to_end(cwd=copy.folder)
            self.assertEqual(lines, STARTUP_LINES + ["can't open the file"])
            self.assertEqual(status, FAILED)

    def test_music_that_is_not_ogg_vorbis_ends_start_up(self):
        with ResourceCopy() as copy:
            with open(os.path.join(copy.resource, "loading.png"), "rb") as image:
                png = image.read()
            for name, data in [("an image", png), ("random bytes", os.urandom(4096)),
                               ("an empty file", b""), ("a cut header", b"OggS\0\2")]:
                with self.subTest(name):
                    copy.write("noise.ogg", data)
                    status, lines, _ = run_to_end(cwd=copy.folder)
                    self.assertEqual(lines, STARTUP_LINES + ["unsupported file format"])
                    self.assertEqual(status, FAILED)

    def test_a_failing_program_stops_start_up_before_the_music(self):
        with ResourceCopy() as copy:
            copy.write("rb.pis", b"void main() { this is not GLSL }\n")
            status, lines, _ = run_to_end(cwd=copy.folder)
            cut = STARTUP_LINES.index("Shader::Load ./resource/rb.pis") + 1
            self.assertEqual(lines[:cut], STARTUP_LINES[:cut])
            self.assertTrue(lines[cut].startswith("./resource/rb.pis FRAGMENT shader :"),
                            lines[cut:])
            self.assertNotIn("Shader::Load ./resource/ri.ves", lines)
            self.assertEqual(status, FAILED)


class Environment(unittest.TestCase):
    def test_no_display_is_a_clear_failure(self):
        env = quiet_environment(DISPLAY=None, WAYLAND_DISPLAY=None)
        for args in [("--windowed",), ()]:
            with self.subTest(args=args):
                status, lines, errors = run_to_end(args, env=env)
                self.assertEqual(status, FAILED)
                self.assertEqual(lines, [])
                self.assertIn("zentrafel: cannot start the window system", errors)
                self.assertIn("DISPLAY", errors)

    def test_a_window_without_gl_is_a_clear_failure(self):
        # Without its driver Mesa offers no GLX, so no window with a context.
        env = quiet_environment(LIBGL_DRIVERS_PATH="/nonexistent")
        status, lines, errors = run_to_end(env=env)
        self.assertEqual(status, FAILED)
        self.assertEqual(lines, [])
        self.assertIn("zentrafel: cannot open a 640x480 window", errors)

    def test_a_missing_gl_feature_is_named_before_loading(self):
        # Mesa can pretend to be an older driver: GL 2.0, one short of the
        # shaders' GLSL 1.20, or only the extensions of the years up to 2004
        # (before framebuffer blits).
        cases = [("GL_VERSION_2_1", {"MESA_GL_VERSION_OVERRIDE": "2.0"}),
                 ("GL_EXT_framebuffer_blit", {"MESA_GL_VERSION_OVERRIDE": "2.1",
                                              "MESA_EXTENSION_MAX_YEAR": "2004"})]
        for missing, changes in cases:
            with self.subTest(missing):
                status, lines, errors = run_to_end(env=quiet_environment(**changes))
                self.assertEqual(status, FAILED)
                self.assertEqual(lines, [])
                self.assertIn("lacks %s" % missing, errors)


class CommandLine(unittest.TestCase):
    def run_binary(self, *args):
        return subprocess.run([os.path.abspath(BINARY), *args], capture_output=True,
                              text=True, timeout=30, env=quiet_environment(DISPLAY=None))

    def test_unknown_argument_prints_usage_on_stderr_and_exits_2(self):
        result = self.run_binary("--windowed", "--bogus")
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, "")
        self.assertIn("'--bogus'", result.stderr)
        self.assertIn("usage:", result.stderr)

    def test_help_and_version_print_on_stdout(self):
        help_run = self.run_binary("--help")
        self.assertEqual(help_run.returncode, 0)
        self.assertIn("--fullscreen", help_run.stdout)
        self.assertIn("--windowed", help_run.stdout)
        version = self.run_binary("--version")
        self.assertEqual(version.returncode, 0)
        self.assertRegex(version.stdout, r"^zentrafel \d+\.\d+\.\d+\n$")


def wait_for_dialog(timeout=30.0):
    """The question's dialog: the first top-level window titled "zentrafel".
    Its title is a UTF-8 property that xdotool cannot match, so the window
    tree is read instead."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        tree = subprocess.check_output(["xwininfo", "-root", "-children"], text=True)
        found = re.search(r'^\s*(0x[0-9a-f]+) "zentrafel":', tree, re.MULTILINE)
        if found:
            return found.group(1)
        time.sleep(0.05)
    raise TimeoutError("no dialog appeared")


class LoadingImage(unittest.TestCase):
    def test_the_loading_image_alone_is_on_screen_while_loading(self):
        with Production() as production:
            with production.held_while_loading():
                self.assertEqual(production.window_size(), (640, 480))
                rows = screen_rows(640, 480)
            production.wait_for(r"^Shader::Load ./resource/ri.pis$")
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)
        # In the 640 x 480 window the image covers x 240..399, y 180..299:
        # a quarter of the viewport's width, centred.
        assert_lit_and_dark(self, rows, lit=[(180, 300, 240, 400)],
                            dark=[(0, 178, 0, 640), (302, 480, 0, 640), (0, 480, 0, 238),
                                  (0, 480, 402, 640)])


class Letterbox(unittest.TestCase):
    """Runs on a 1280 x 1024 screen (see CMakeLists.txt)."""

    def test_full_screen_on_a_5_by_4_screen_draws_in_the_centred_16_by_9_band(self):
        rows = paused_screen(self, ("--fullscreen",), (1280, 1024))
        # The viewport is (0, 152, 1280, 720): black bands of 152 rows above
        # and below, and the picture between them.
        assert_lit_and_dark(self, rows, lit=[(152, 872, 0, 1280)],
                            dark=[(0, 152, 0, 1280), (872, 1024, 0, 1280)])


class Question(unittest.TestCase):
    """Without a flag the production asks "Fullscreen?" in a dialog of its own."""

    def answer(self, key):
        with Production(args=()) as production:
            dialog = wait_for_dialog()
            subprocess.run(["xdotool", "windowfocus", "--sync", dialog], check=True)
            subprocess.run(["xdotool", "key", key], check=True)
            self.assertEqual(production.read_startup(), STARTUP_LINES)
            size = production.window_size()
            production.keys("Escape")
            self.assertEqual(production.wait(), 0)
            return size

    def test_return_answers_yes_and_plays_on_the_whole_screen(self):
        self.assertEqual(self.answer("Return"), (1920, 1080))

    def test_escape_answers_no_and_plays_in_a_window(self):
        self.assertEqual(self.answer("Escape"), (640, 480))


if __name__ == "__main__":
    unittest.main()
