"""The page's frame-time benchmark (index.html?bench&size=WxH) in headless
Chromium: prints what the page prints from its table's heading on. Run by
scripts/bench web; not a test.

    page_bench.py [WxH]"""

import sys

from browser import Chromium
from web_folder import Server

BENCH_WAIT = 600.0


def main():
    size = sys.argv[1] if len(sys.argv) > 1 else "1280x720"
    width, height = (int(side) for side in size.split("x"))
    with Server() as server, Chromium(width, height) as chromium:
        chromium.navigate(server.url("?bench&size=" + size))
        state = chromium.wait_until(
            "['shown', 'failed'].includes(document.body.dataset.state) && "
            "document.body.dataset.state", timeout=BENCH_WAIT, what="the benchmark")
        lines = [line.text for line in chromium.console if line.kind == "log"]
        heading = next((i for i, text in enumerate(lines) if text.startswith("zentrafel ?bench")),
                       None)
        if state != "shown" or heading is None:
            sys.exit("page_bench: the page's benchmark did not run: " + "\n".join(lines))
        print("\n".join(lines[heading:]))


if __name__ == "__main__":
    main()
