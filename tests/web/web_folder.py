"""The browser build's folder served over plain HTTP on the loopback
address, as any static server would, and copies of it with some resources
replaced; the offline renderer of the desktop build run on the same
resources, as the reference for what the page must print and draw."""

import functools
import glob
import http.server
import os
import re
import subprocess
import sys
import tempfile
import threading

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from production import ResourceCopy  # noqa: E402  (the desktop tests' copy of resource/)

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
FOLDER = os.environ.get("ZENTRAFEL_WEB") or next(
    iter(glob.glob(os.path.join(ROOT, "build", "web-release", "zentrafel-*-web"))), "")
RENDER = os.environ.get("ZENTRAFEL_RENDER") or os.path.join(
    ROOT, "build", "release", "tools", "render", "zentrafel-render")


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class _QuietServer(http.server.ThreadingHTTPServer):
    # A page that reloads itself hangs up on the requests it has under way.
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Server:
    """Serves a folder at a free port until closed."""

    def __init__(self, folder=FOLDER):
        handler = functools.partial(_QuietHandler, directory=folder)
        self.httpd = _QuietServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, query=""):
        return "http://127.0.0.1:%d/index.html%s" % (self.httpd.server_address[1], query)

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()


class FolderCopy(ResourceCopy):
    """A folder of links to the build's files and to each of its resources,
    so a test can remove or replace some of them."""

    def __init__(self):
        super().__init__(os.path.join(FOLDER, "resource"))
        for name in os.listdir(FOLDER):
            if name != "resource":
                os.symlink(os.path.join(FOLDER, name), os.path.join(self.folder, name))


def render(folder, *args):
    """The desktop's offline renderer run in `folder` (the production's own
    start-up and loaders, without a window): (status, stdout lines, stderr
    lines)."""
    result = subprocess.run([os.path.abspath(RENDER), *args], cwd=folder, capture_output=True,
                            text=True, errors="replace", timeout=120)
    return result.returncode, result.stdout.splitlines(), result.stderr.splitlines()


def start_up(folder):
    """What the desktop's start-up prints with these resources, and how it
    ends: (status, stdout lines, stderr lines), the program's name in the
    stderr lines being the player's."""
    with tempfile.TemporaryDirectory() as out:
        status, lines, errors = render(folder, "--at", "0.5", "--size", "16x16", "--out", out)
    return status, lines, [re.sub(r"^zentrafel-render:", "zentrafel:", e) for e in errors]


def render_stills(times, size, out):
    """The desktop's stills of those times, as out/TTT.ttt.png."""
    status, lines, errors = render(FOLDER, "--at", ",".join(times), "--size", size,
                                   "--out", os.path.abspath(out))
    if status != 0:
        raise RuntimeError("the renderer failed: %s %s" % (lines, errors))


def rgb(png):
    """The pixels of PNG bytes as 8-bit RGB, top row first, decoded by
    ffmpeg."""
    return subprocess.run(["ffmpeg", "-loglevel", "error", "-f", "png_pipe", "-i", "-",
                           "-f", "rawvideo", "-pix_fmt", "rgb24", "-"],
                          input=png, capture_output=True, check=True, timeout=60).stdout
