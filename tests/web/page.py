"""The production's page as a viewer meets it: its states, the start
screen's buttons, the playback keys, the lines the program prints to the
console. Every wait ends as soon as the page gets there; the timeouts only
bound how long a broken build can hang a test."""

import json
import re
import time

from browser import Chromium

TIME_LINE = re.compile(r"^time:(-?\d+\.\d{6})$")
WAIT = 60.0

# Runs before the page's own scripts: records every state the body passes
# through (a state may last less than any poll), every request for full
# screen, granted or not, and the wall time of each key press, on the clock
# the console's times are on.
WATCH = """
window.zentrafelKeyTimes = [];
addEventListener("keydown", () => window.zentrafelKeyTimes.push(Date.now()), true);
window.zentrafelStates = [];
new MutationObserver(() => {
  const body = document.body, states = window.zentrafelStates;
  if (body && body.dataset.state && states[states.length - 1] !== body.dataset.state)
    states.push(body.dataset.state);
}).observe(document, {subtree: true, childList: true, attributes: true,
                      attributeFilter: ["data-state"]});
window.zentrafelFullscreenRequests = 0;
for (const name of ["requestFullscreen", "webkitRequestFullscreen", "webkitRequestFullScreen"]) {
  const request = Element.prototype[name];
  if (request)
    Element.prototype[name] = function (...args) {
      window.zentrafelFullscreenRequests++;
      return request.apply(this, args);
    };
}
"""


class Page:
    def __init__(self):
        self.browser = Chromium()
        self.first_line = 0
        self.browser.run_before_every_page(WATCH)

    def close(self):
        self.browser.close()

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()

    def open(self, url):
        """Loads the page; console lines from here on belong to it."""
        self.first_line = len(self.browser.console)
        self.browser.navigate(url)
        self.browser.wait_until("location.href === %s" % json.dumps(url), WAIT, url)

    def wait_for_state(self, *states, timeout=WAIT):
        """Waits for one of the states, across a reload of the page."""
        return self.browser.wait_until(
            "document.body && %s.includes(document.body.dataset.state) && "
            "document.body.dataset.state" % json.dumps(states), timeout,
            lambda: "state %s (the page's states: %s)" % ("/".join(states), self.states_seen()))

    def states_seen(self):
        """The states of the page since it was last loaded, in order (those
        before the start screen, while it fetches, are the page's own)."""
        try:
            return self.browser.evaluate("window.zentrafelStates")
        except RuntimeError as error:
            return str(error)

    def states_since_start(self):
        """The states since the start screen was last up."""
        states = self.states_seen()
        return states[len(states) - 1 - states[::-1].index("start"):] if "start" in states \
            else states

    def visible(self, selector):
        return self.browser.evaluate(
            "(() => { const e = document.querySelector(%s);"
            " return !!e && e.getClientRects().length > 0; })()" % json.dumps(selector))

    def text(self, selector):
        return self.browser.evaluate(
            "(document.querySelector(%s) || {}).textContent" % json.dumps(selector))

    def fullscreen_requests(self):
        return self.browser.evaluate("window.zentrafelFullscreenRequests")

    def fullscreen(self):
        return self.browser.evaluate("!!document.fullscreenElement")

    def click_to_first_frame(self):
        """Seconds from the click to the production's first frame."""
        return self.browser.evaluate(
            "performance.getEntriesByName('zentrafel:first-frame')[0].startTime / 1000 - "
            "performance.getEntriesByName('zentrafel:click')[0].startTime / 1000")

    def lines(self, kind=None):
        """The console lines since the page was opened (of one kind: log for
        the program's standard output, error for its standard error)."""
        return [line for line in self.browser.console[self.first_line:]
                if kind is None or line.kind == kind]

    def texts(self, kind):
        return [line.text for line in self.lines(kind)]

    def pause(self):
        """Presses Space while playing: the printed music time and the wall
        time it was printed at."""
        seen = len(self.lines())
        self.browser.key("Space")
        return self._time_line_after(seen)

    def pause_and_resume(self):
        """Presses Space twice at once while playing: the music time printed
        by the first press and the wall time the second reached the page."""
        seen = len(self.lines())
        self.browser.key("Space")
        self.browser.key("Space")
        paused, _ = self._time_line_after(seen)
        return paused, self.browser.evaluate("window.zentrafelKeyTimes.at(-1)") / 1000.0

    def peek(self):
        """While paused: resumes and pauses again at once. The printed time,
        and how long the page was resumed for: the wall time between the
        two presses as they reached it (1 ms steps)."""
        self.browser.key("Space")
        printed = self.pause()[0]
        resumed, paused = self.browser.evaluate("window.zentrafelKeyTimes.slice(-2)")
        return printed, (paused - resumed + 1) / 1000.0

    def _time_line_after(self, seen, timeout=WAIT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for line in self.lines()[seen:]:
                match = TIME_LINE.match(line.text)
                if line.kind == "log" and match:
                    return float(match.group(1)), line.wall
            self.browser.pump(0.05)
        raise TimeoutError("no time: line came; the console: %r" % self.lines())
