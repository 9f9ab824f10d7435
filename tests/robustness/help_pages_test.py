"""What documents the two programs beside --help: every switch --help lists
is in the program's manual page and is offered by its bash completion, and
the completion offers the values a switch takes."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

DIST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "dist")
COMPLETION = os.path.join(DIST, "zentrafel.bash")
# Program, its environment variable, its manual page and completion function.
PROGRAMS = [("zentrafel", "ZENTRAFEL_BINARY", "zentrafel.6", "_zentrafel"),
            ("zentrafel-render", "ZENTRAFEL_RENDER", "zentrafel-render.1", "_zentrafel_render")]


def switches_in(text):
    return set(re.findall(r"(?<![\w-])--[a-z][a-z0-9-]*", text))


def complete(function, *words):
    """What the completion function offers for the command line `words`, the
    last word being the one under the cursor."""
    script = 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); %s; ' \
             'printf "%%s\\n" "${COMPREPLY[@]}"' % function
    result = subprocess.run(["bash", "--norc", "-c", script, "bash", COMPLETION] + list(words),
                            capture_output=True, text=True, check=True, timeout=30)
    return set(result.stdout.split())


class ManualPagesAndCompletion(unittest.TestCase):
    def test_every_switch_of_the_help_is_in_the_page_and_completed(self):
        for program, variable, page, function in PROGRAMS:
            with self.subTest(program):
                help_text = subprocess.run([os.environ[variable], "--help"], capture_output=True,
                                           text=True, check=True, timeout=30).stdout
                listed = switches_in(help_text)
                self.assertIn("--help", listed)
                with open(os.path.join(DIST, "man", page)) as roff:
                    documented = switches_in(roff.read().replace("\\-", "-"))
                self.assertEqual(listed - documented, set(), "missing from " + page)
                self.assertEqual(complete(function, program, "--"), listed)

    def test_values_are_completed_for_the_switches_that_take_a_choice(self):
        offered = complete("_zentrafel_render", "zentrafel-render", "--codec", "")
        self.assertEqual(offered, {"h264", "hevc", "ffv1"})
        offered = complete("_zentrafel_render", "zentrafel-render", "--device", "=", "s")
        self.assertEqual(offered, {"software", "surfaceless"})
        offered = complete("_zentrafel_render", "zentrafel-render", "--size", "64x36", "--en")
        self.assertEqual(offered, {"--encoder"})

    def test_paths_and_listed_numbers_are_completed(self):
        scratch = tempfile.mkdtemp(prefix="zentrafel-completion-")
        try:
            for name in ("sheet.png", "sheets", "video.mp4"):
                open(os.path.join(scratch, name), "w").close()
            prefix = os.path.join(scratch, "sh")
            self.assertEqual(complete("_zentrafel_render", "zentrafel-render", "--video", prefix),
                             {prefix + "eet.png", prefix + "eets"})
            os.remove(os.path.join(scratch, "sheets"))
            os.mkdir(os.path.join(scratch, "stills"))
            self.assertEqual(
                complete("_zentrafel_render", "zentrafel-render", "--out", prefix[:-1]),
                {os.path.join(scratch, "stills")})
            # Monitors and devices are those the program itself lists.
            lister = os.path.join(scratch, "lister")
            with open(lister, "w") as stub:
                stub.write('#!/bin/sh\ncase "$1" in\n'
                           '--list-monitors) echo "0: DP-1 2560x1440 144 Hz (primary)"\n'
                           '  echo "1: HDMI-2 1920x1080 60 Hz";;\n'
                           '--list-devices) echo "0  nvidia  hardware  NVIDIA H100";;\nesac\n')
            os.chmod(lister, 0o755)
            self.assertEqual(complete("_zentrafel", lister, "--monitor", ""), {"0", "1"})
            self.assertEqual(complete("_zentrafel_render", lister, "--device", ""),
                             {"auto", "software", "surfaceless", "0"})
        finally:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
