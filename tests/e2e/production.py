"""Runs the built production as a viewer would: a real process on the X
server of the test, its standard output read line by line through a pipe, its
keys pressed through the X server with xdotool.

Every wait here ends as soon as the awaited line or window shows up; the
timeouts only bound how long a broken build can hang a test."""

import contextlib
import os
import queue
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

BINARY = os.environ.get("ZENTRAFEL_BINARY", "build/app/app/zentrafel")
RESOURCE = os.path.abspath("resource")
SCREEN = "-screen 0 1920x1080x24"

# What a whole start-up prints, in loading-table order.
IMAGES = ["zentrafel", "pellumin", "greetings", "ambrelune", "corvattis",
          "duskweld", "rivenhold", "sorrelgate", "tamberlyn"]
STARTUP_LINES = (
    ["Texture::Load ./resource/loading.png"]
    + ["Texture::Load ./resource/%s.png" % name for name in IMAGES]
    + ["Texture::Load ./resource/x.png",
       "Shader::Load ./resource/ps.ves", "Shader::Load ./resource/ps.pis",
       "Texture::Load ./resource/credits.png",
       "Shader::Load ./resource/rb.ves", "Shader::Load ./resource/rb.pis",
       "Shader::Load ./resource/ri.ves", "Shader::Load ./resource/ri.pis"])

TIME_LINE = re.compile(r"^time:(-?\d+\.\d{6})$")
WAIT = 30.0


def quiet_environment(**changes):
    """The test's environment, kept off any JACK server a neighbour runs."""
    env = dict(os.environ)
    env.setdefault("JACK_DEFAULT_SERVER", "zentrafel-none-%d" % os.getpid())
    env["JACK_NO_START_SERVER"] = "1"
    # In a sanitizer build the leak check at exit would run after the normal
    # way out has terminated GLFW and so unloaded the GL driver, and report
    # the driver's live allocations; memory errors are still caught.
    if "ASAN_OPTIONS" in env:
        env["ASAN_OPTIONS"] += ":detect_leaks=0"
    for name, value in changes.items():
        if value is None:
            env.pop(name, None)
        else:
            env[name] = value
    return env


def music_length(path):
    return float(subprocess.check_output(["soxi", "-D", path], text=True))


class Production:
    """One run of the production; stdout lines arrive on a queue as printed."""

    def __init__(self, args=("--windowed",), cwd=None, env=None, binary=BINARY):
        self.lines = queue.Queue()
        self.seen = []
        self.stderr = b""
        self.started = time.monotonic()
        self.process = subprocess.Popen(
            [os.path.abspath(binary), *args], cwd=cwd,
            env=env if env is not None else quiet_environment(),
            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self._reader = threading.Thread(target=self._read_stdout, daemon=True)
        self._reader.start()
        self._errors = threading.Thread(target=self._read_stderr, daemon=True)
        self._errors.start()
        self.window = None

    def _read_stdout(self):
        # A last text without a line end (the audio library's error texts)
        # arrives as a line of its own when the pipe closes.
        for raw in self.process.stdout:
            self.lines.put(raw.decode("utf-8", "replace").rstrip("\n"))
        self.lines.put(None)

    def _read_stderr(self):
        self.stderr = self.process.stderr.read()

    def next_line(self, timeout=WAIT):
        line = self.lines.get(timeout=timeout)
        if line is None:
            self.lines.put(None)
            status = self.wait()
            raise EOFError("the production ended with status %d; its output: %r; its errors: %s"
                           % (status, self.seen, self.stderr.decode("utf-8", "replace")))
        self.seen.append(line)
        return line

    def wait_for(self, pattern, timeout=WAIT):
        """The first further line matching the regular expression."""
        deadline = time.monotonic() + timeout
        while True:
            line = self.next_line(max(0.0, deadline - time.monotonic()))
            match = re.search(pattern, line)
            if match:
                return match

    def read_startup(self):
        """The start-up lines, checked one by one against the loading table."""
        return [self.next_line() for _ in STARTUP_LINES]

    def rest_of_output(self, timeout=WAIT):
        """Every line still to come, once the process has ended."""
        self.wait(timeout)
        self._reader.join(timeout)
        rest = []
        while True:
            line = self.lines.get(timeout=timeout)
            if line is None:
                self.lines.put(None)
                return rest
            self.seen.append(line)
            rest.append(line)

    def wait(self, timeout=WAIT):
        status = self.process.wait(timeout)
        self._errors.join(timeout)
        return status

    def running(self):
        return self.process.poll() is None

    def find_window(self):
        """The production's window, focused so that key presses reach it."""
        if self.window is None:
            found = subprocess.check_output(
                ["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                 str(self.process.pid), "--name", "^zentrafel$"],
                text=True, timeout=WAIT)
            self.window = found.split()[0]
        xdotool("windowfocus", "--sync", self.window)
        return self.window

    def window_size(self):
        geometry = subprocess.check_output(
            ["xdotool", "getwindowgeometry", self.find_window()], text=True)
        width, height = re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()
        return int(width), int(height)

    def keys(self, *names):
        self.find_window()
        xdotool("key", "--delay", "40", *names)

    def pause(self):
        """Presses Space while playing; returns the printed music time."""
        self.keys("space")
        return float(self.wait_for(TIME_LINE.pattern).group(1))

    def peek(self):
        """While paused: resumes and pauses again at once, returning the time."""
        self.keys("space", "space")
        return float(self.wait_for(TIME_LINE.pattern).group(1))

    @contextlib.contextmanager
    def held_while_loading(self):
        """Holds the process still in the middle of loading, once the
        loading image is on screen; loading polls no events, so keys pressed
        meanwhile wait for the first frame."""
        self.wait_for(r"^Texture::Load ./resource/zentrafel.png$")
        os.kill(self.process.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.process.pid, signal.SIGCONT)

    def stop(self):
        if self.running():
            self.process.kill()
        self.process.wait()
        self._reader.join(WAIT)
        self._errors.join(WAIT)
        self.process.stdout.close()
        self.process.stderr.close()

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.stop()


def paused_screen(test, args, size):
    """The top left `size` pixels of the screen while a run with `args`, its
    window of that size, is paused after start-up; the run is then ended
    with Escape, which must give status 0."""
    with Production(args=args) as production:
        production.read_startup()
        test.assertEqual(production.window_size(), size)
        production.pause()
        rows = screen_rows(*size)
        production.keys("Escape")
        test.assertEqual(production.wait(), 0)
    return rows


def screen_rows(width, height):
    """The top left width x height pixels of the X screen, as a list of rows
    of (r, g, b) bytes."""
    raw = subprocess.run(
        ["ffmpeg", "-loglevel", "error", "-f", "x11grab", "-video_size",
         "%dx%d" % (width, height), "-i", os.environ["DISPLAY"], "-frames:v", "1",
         "-f", "rawvideo", "-pix_fmt", "rgb24", "-"],
        check=True, capture_output=True, timeout=30).stdout
    stride = width * 3
    return [raw[y * stride:(y + 1) * stride] for y in range(height)]


def brightest(rows, top, bottom, left, right):
    return max(max(row[left * 3:right * 3]) for row in rows[top:bottom])


def assert_lit_and_dark(test, rows, lit=(), dark=()):
    """Each (top, bottom, left, right) box of `lit` holds a pixel that is not
    black; every pixel of each box of `dark` is black."""
    for box in lit:
        test.assertGreater(brightest(rows, *box), 0, "all black: %r" % (box,))
    for box in dark:
        test.assertEqual(brightest(rows, *box), 0, "not all black: %r" % (box,))


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=WAIT)


class ResourceCopy:
    """A working folder whose "./resource/" links to the real files (those of
    `source`), so a test can remove or replace some of them."""

    def __init__(self, source=RESOURCE):
        self.folder = tempfile.mkdtemp(prefix="zentrafel-")
        self.resource = os.path.join(self.folder, "resource")
        os.mkdir(self.resource)
        for name in os.listdir(source):
            os.symlink(os.path.join(source, name), os.path.join(self.resource, name))

    def path(self, name):
        return os.path.join(self.resource, name)

    def remove(self, name):
        os.unlink(self.path(name))

    def write(self, name, data):
        self.remove(name)
        with open(self.path(name), "wb") as out:
            out.write(data)

    def short_music(self, seconds=1.5):
        """Replaces the music with a short tone, so a run ends by itself."""
        self.remove("noise.ogg")
        subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", self.path("noise.ogg"),
                        "synth", str(seconds), "sine", "440", "vol", "0.3"], check=True)

    def close(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()


class JackServer:
    """A JACK server on the dummy back end, paced in real time, under a name
    of its own so that neighbouring tests cannot meet it."""

    def __init__(self):
        self.name = "zentrafel-e2e-%d" % os.getpid()
        self.process = subprocess.Popen(
            ["jackd", "--no-realtime", "-n", self.name, "-d", "dummy",
             "-r", "44100", "-p", "512"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["jack_wait", "-s", self.name, "-w", "-t", "20"], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=WAIT)

    def ports(self):
        return subprocess.check_output(["jack_lsp", "-s", self.name], text=True).split()

    def close(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()
