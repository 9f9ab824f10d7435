"""Headless Chromium driven over its DevTools protocol: one tab, its console
lines and uncaught exceptions collected as they arrive, real mouse clicks and
key presses, screenshots.

Chromium draws WebGL on SwiftShader, its own software rasteriser, so it needs
neither a GPU nor a display."""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket

WAIT = 60.0

# Key names as the DOM knows them, with the legacy key codes that
# emscripten's GLFW maps to its keys.
KEYS = {
    "Space": (" ", "Space", 32),
    "Left": ("ArrowLeft", "ArrowLeft", 37),
    "Right": ("ArrowRight", "ArrowRight", 39),
    "Escape": ("Escape", "Escape", 27),
}


class ConsoleLine:
    """One console call: its kind (log, error, ...), its text and the wall
    time it was made at, in seconds."""

    def __init__(self, kind, text, wall):
        self.kind, self.text, self.wall = kind, text, wall

    def __repr__(self):
        return "%s: %s" % (self.kind, self.text)


class Chromium:
    def __init__(self, width=1280, height=720):
        self.profile = tempfile.mkdtemp(prefix="zentrafel-chromium-")
        self.console = []
        self.exceptions = []
        self._next_id = 0
        # Port 0: Chromium picks a free port and names it in the profile.
        self.process = subprocess.Popen(
            ["nice", "-n", "10", "chromium", "--headless=new", "--no-sandbox",
             "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
             "--autoplay-policy=no-user-gesture-required", "--hide-scrollbars",
             "--force-device-scale-factor=1", "--window-size=%d,%d" % (width, height),
             "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
             "--disable-component-update", "--disable-background-timer-throttling",
             "--disable-renderer-backgrounding", "--remote-debugging-port=0",
             "--remote-allow-origins=*", "--user-data-dir=" + self.profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.ws = websocket.create_connection(self._page_socket(), timeout=WAIT,
                                                  suppress_origin=True)
            for domain in ("Runtime", "Page"):
                self.call(domain + ".enable")
        except BaseException:
            self.close()
            raise

    def _page_socket(self):
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("chromium ended with status %d" % self.process.returncode)
            try:
                with open(port_file) as named:
                    port = int(named.readline())
                with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port,
                                            timeout=5) as listing:
                    pages = [t for t in json.load(listing) if t.get("type") == "page"]
                if pages:
                    return pages[0]["webSocketDebuggerUrl"]
            except (OSError, ValueError):
                pass
            time.sleep(0.1)
        raise TimeoutError("chromium offered no page to drive")

    def close(self):
        if getattr(self, "ws", None):
            self.ws.close()
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()

    def call(self, method, **params):
        """Sends a command and returns its result; events arriving meanwhile
        are collected."""
        self._next_id += 1
        sent = self._next_id
        self.ws.send(json.dumps({"id": sent, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == sent:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._event(message)

    def _event(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append(ConsoleLine(params["type"], text, params["timestamp"] / 1000.0))
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.exceptions.append(details.get("exception", {}).get("description")
                                   or details.get("text"))

    def pump(self, seconds):
        """Collects events for a while."""
        end = time.monotonic() + seconds
        while True:
            left = end - time.monotonic()
            if left <= 0:
                return
            self.ws.settimeout(max(left, 0.01))
            try:
                self._event(json.loads(self.ws.recv()))
            except websocket.WebSocketTimeoutException:
                pass
            finally:
                self.ws.settimeout(WAIT)

    def evaluate(self, expression):
        """The expression's value in the page; promises are awaited."""
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"].get("text")))
        return result["result"].get("value")

    def wait_until(self, expression, timeout=WAIT, what=None):
        """Evaluates the expression until it is truthy and returns its value.
        While the page navigates there is no context to evaluate in; that
        only means another try. `what` names the wait (or makes its name
        when it is over)."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                value = self.evaluate(expression)
                if value:
                    return value
            except RuntimeError:
                pass
            if time.monotonic() > deadline:
                name = what() if callable(what) else what
                raise TimeoutError("waited %.0f s for %s" % (timeout, name or expression))
            self.pump(0.05)

    def run_before_every_page(self, source):
        self.call("Page.addScriptToEvaluateOnNewDocument", source=source)

    def navigate(self, url):
        self.call("Page.navigate", url=url)

    def click(self, selector):
        """A real left click at the centre of the element."""
        x, y = self.evaluate(
            "(() => { const r = document.querySelector(%s).getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()" % json.dumps(selector))
        self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def key(self, name):
        key, code, number = KEYS[name]
        for kind in ("rawKeyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                      windowsVirtualKeyCode=number, nativeVirtualKeyCode=number)

    def screenshot(self, x, y, width, height):
        """PNG bytes of that rectangle of the page, one pixel per CSS pixel."""
        shot = self.call("Page.captureScreenshot", format="png",
                         clip={"x": x, "y": y, "width": width, "height": height, "scale": 1})
        return base64.b64decode(shot["data"])
