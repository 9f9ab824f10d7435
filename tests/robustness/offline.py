"""Runs the offline renderer, which goes through the production's own start-up
and loaders without a window, in a folder of its own."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from production import quiet_environment  # noqa: E402

RENDER = os.environ.get("ZENTRAFEL_RENDER", "build/release/tools/render/zentrafel-render")
FAILED = 255  # the -1 of a failed start-up, as the shell sees it
TIMEOUT = 120


class Run:
    def __init__(self, result, out):
        self.status = result.returncode
        self.lines = result.stdout.splitlines()
        self.errors = result.stderr
        self.out = out
        self.picture = None  # the bytes of the first file written, if any
        files = self.files()
        if files:
            with open(os.path.join(out, files[0]), "rb") as first:
                self.picture = first.read()

    def files(self):
        return sorted(os.listdir(self.out)) if os.path.isdir(self.out) else []

    def describe(self):
        return "status %d\nstdout %r\nstderr %s" % (self.status, self.lines, self.errors)


def render(folder, *args, env=None):
    """zentrafel-render run in `folder`, writing under a fresh output folder."""
    out = tempfile.mkdtemp(prefix="zentrafel-render-", dir=folder)
    result = subprocess.run(
        [os.path.abspath(RENDER), *args, "--out", out], cwd=folder,
        env=env if env is not None else quiet_environment(),
        capture_output=True, text=True, errors="replace", timeout=TIMEOUT)
    return Run(result, out)


def still(folder, at="0.5", size="64x36", env=None):
    return render(folder, "--at", at, "--size", size, env=env)


def frames_until_the_end(folder, fps=1):
    """How many frames a sequence to the end of the music holds: the music's
    length, as the production sees it, in steps of 1/fps seconds."""
    run = render(folder, "--from", "0", "--fps", str(fps), "--size", "16x16")
    return run, len(run.files())
