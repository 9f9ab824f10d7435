"""The production's start-up given a damaged resource folder, run through the
offline renderer (the same start-up and loaders, without a window): every way
of breaking each image, each shader file and the music, with the lines it
prints and the status it ends with."""

import math
import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from production import (STARTUP_LINES, ResourceCopy, music_length,  # noqa: E402
                        quiet_environment)

import damage  # noqa: E402
from offline import FAILED, frames_until_the_end, render, still  # noqa: E402

IMAGES = ["loading", "zentrafel", "pellumin", "greetings", "ambrelune", "corvattis",
          "duskweld", "rivenhold", "sorrelgate", "tamberlyn", "x", "credits"]
SHADERS = ["ps", "rb", "ri"]
LOADER_LINE = ("Texture::Load ", "Shader::Load ")


def original(name):
    with open(os.path.join("resource", name), "rb") as intact:
        return intact.read()


class DamagedImages(unittest.TestCase):
    def test_each_image_in_each_way_prints_its_line_and_the_production_plays_on(self):
        # Every image damaged the same way in one run: each still prints its
        # own line in loading order, and a picture is drawn.
        for kind, damaged in damage.IMAGE_DAMAGE.items():
            with self.subTest(kind), ResourceCopy() as copy:
                copy.short_music()
                for image in IMAGES:
                    name = image + ".png"
                    if damaged is None:
                        copy.remove(name)
                    else:
                        copy.write(name, damaged(original(name)))
                run = still(copy.folder)
                self.assertEqual(run.status, 0, run.describe())
                self.assertEqual(run.lines, STARTUP_LINES, run.describe())
                self.assertIsNotNone(run.picture)


def lines_through(shader_file):
    """The start-up lines up to and including the one naming this file."""
    return STARTUP_LINES[:STARTUP_LINES.index("Shader::Load ./resource/" + shader_file) + 1]


class DamagedShaders(unittest.TestCase):
    STAGE_WORD = {"ves": "VERTEX", "pis": "FRAGMENT"}

    def assert_nothing_loaded_after(self, lines, run):
        self.assertFalse([line for line in lines if line.startswith(LOADER_LINE)],
                         run.describe())

    def check_file(self, shader, stage):
        name = "%s.%s" % (shader, stage)
        path = "./resource/" + name
        source = original(name)
        for kind in ["missing", "empty", "compile error", "link error"]:
            with self.subTest(kind), ResourceCopy() as copy:
                if kind == "missing":
                    copy.remove(name)
                else:
                    copy.write(name, {"empty": b"",
                                      "compile error": damage.with_compile_error(source),
                                      "link error": damage.needing_a_missing_function(stage),
                                      }[kind])
                run = still(copy.folder)
                self.assertEqual(run.status, FAILED, run.describe())
                self.assertIsNone(run.picture)
                if kind in ("missing", "empty"):
                    # The file's own line, then nothing: start-up stops there.
                    self.assertEqual(run.lines, lines_through(name), run.describe())
                elif kind == "compile error":
                    head = lines_through(name)
                    self.assertEqual(run.lines[:len(head)], head, run.describe())
                    self.assertEqual(run.lines[len(head)],
                                     "%s %s shader :" % (path, self.STAGE_WORD[stage]))
                    self.assertIn("error", "\n".join(run.lines[len(head) + 1:]).lower())
                    self.assert_nothing_loaded_after(run.lines[len(head):], run)
                else:
                    # Both stages compile; the program does not link.
                    head = lines_through(shader + ".pis")
                    self.assertEqual(run.lines[:len(head)], head, run.describe())
                    self.assertTrue(run.lines[len(head)].startswith("LINK : "), run.describe())
                    self.assert_nothing_loaded_after(run.lines[len(head):], run)

    def test_ps_ves(self):
        self.check_file("ps", "ves")

    def test_ps_pis(self):
        self.check_file("ps", "pis")

    def test_rb_ves(self):
        self.check_file("rb", "ves")

    def test_rb_pis(self):
        self.check_file("rb", "pis")

    def test_ri_ves(self):
        self.check_file("ri", "ves")

    def test_ri_pis(self):
        self.check_file("ri", "pis")

    def test_cr_lf_line_ends_draw_the_same_picture(self):
        with ResourceCopy() as intact, ResourceCopy() as converted:
            # One music file for both: the pictures pulse with its spectrum.
            intact.short_music()
            with open(intact.path("noise.ogg"), "rb") as music:
                converted.write("noise.ogg", music.read())
            for shader in SHADERS:
                for stage in ("ves", "pis"):
                    name = "%s.%s" % (shader, stage)
                    converted.write(name, damage.with_crlf(original(name)))
            expected = still(intact.folder, at="0.5")
            run = still(converted.folder, at="0.5")
            self.assertEqual(run.status, 0, run.describe())
            self.assertEqual(run.lines, STARTUP_LINES, run.describe())
            self.assertIsNotNone(expected.picture)
            self.assertEqual(run.picture, expected.picture)


class ReplacedShaders(unittest.TestCase):
    def test_a_title_wave_reaching_further_than_the_shipped_one_is_drawn_whole(self):
        # The title's area is narrowed to the shipped ri.pis's wave; one 50
        # times wider must not be cut off where the area ends.
        source = original("ri.pis")
        wider = source.replace(b"a * 0.012 * sin", b"a * 0.6 * sin")
        self.assertNotEqual(wider, source)
        with ResourceCopy() as copy:
            copy.write("ri.pis", wider)
            runs = [render(copy.folder, "--at", "50,58,63", "--size", "640x360", *switches)
                    for switches in ([], ["--all-passes"])]
            for run in runs:
                self.assertEqual(run.status, 0, run.describe())
                self.assertEqual(len(run.files()), 3, run.describe())
            for name in runs[0].files():
                with open(os.path.join(runs[0].out, name), "rb") as narrowed, \
                        open(os.path.join(runs[1].out, name), "rb") as whole:
                    self.assertTrue(narrowed.read() == whole.read(),
                                    name + " differs from --all-passes")


class DamagedMusic(unittest.TestCase):
    def test_cut_inside_its_headers_is_an_unsupported_file_format(self):
        music = original("noise.ogg")
        header_end = damage.ogg_header_end(music)
        for cut in [20, header_end // 2, header_end - 1]:
            with self.subTest(cut=cut), ResourceCopy() as copy:
                copy.write("noise.ogg", music[:cut])
                run = still(copy.folder)
                self.assertEqual(run.status, FAILED, run.describe())
                self.assertEqual(run.lines, STARTUP_LINES + ["unsupported file format"])
                self.assertIsNone(run.picture)

    def test_cut_in_the_middle_plays_what_decodes_and_ends_there(self):
        music = original("noise.ogg")
        whole = music_length("resource/noise.ogg")
        with ResourceCopy() as copy:
            copy.write("noise.ogg", damage.cut_short(music))
            run, frames = frames_until_the_end(copy.folder)
            self.assertEqual(run.status, 0, run.describe())
            # Half the bytes hold about half the sound.
            self.assertGreater(frames, whole * 0.35)
            self.assertLess(frames, whole * 0.65)

    def test_bit_flips_in_its_body_lose_at_most_the_damaged_pages(self):
        music = original("noise.ogg")
        whole = music_length("resource/noise.ogg")
        with ResourceCopy() as copy:
            copy.write("noise.ogg", damage.flip_bits_in_ogg_body(music, count=5))
            run, frames = frames_until_the_end(copy.folder)
            self.assertEqual(run.status, 0, run.describe())
            self.assertLessEqual(frames, math.ceil(whole))
            # A page holds a fraction of a second; five of them, about a second.
            self.assertGreaterEqual(frames, math.ceil(whole) - 3)


class PoorGraphics(unittest.TestCase):
    def test_no_gl_driver_or_a_missing_feature_is_a_clear_line(self):
        cases = [("no EGL display", {"LIBGL_DRIVERS_PATH": "/nonexistent"}),
                 ("lacks GL_ARB_point_sprite",
                  {"MESA_EXTENSION_OVERRIDE": "-GL_ARB_point_sprite"})]
        for message, changes in cases:
            with self.subTest(message):
                run = still(os.getcwd(), env=quiet_environment(**changes))
                # Made in the checkout, which holds the resources.
                self.addCleanup(shutil.rmtree, run.out, ignore_errors=True)
                self.assertEqual(run.status, FAILED, run.describe())
                self.assertIn(message, run.errors)
                # It stops before loading anything (Mesa may print a warning).
                self.assertFalse([line for line in run.lines if line.startswith(LOADER_LINE)])


if __name__ == "__main__":
    unittest.main()
