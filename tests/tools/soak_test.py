"""zentrafel-bench soak as scripts/soak runs it, on a short run: every section is
drawn, the memory samples arrive on schedule and no frame leaves a GL error."""

import os
import subprocess
import unittest

BENCH = os.environ["ZENTRAFEL_BENCH"]


def soak(*args):
    return subprocess.run([BENCH, "soak", *args], capture_output=True, text=True, timeout=120)


class Soak(unittest.TestCase):
    def test_a_short_run_covers_every_section_and_samples_its_memory(self):
        run = soak("--frames", "600", "--seed", "7")
        self.assertEqual(run.returncode, 0, run.stderr)
        lines = [line.split() for line in run.stdout.splitlines() if line.strip()]
        samples = [(int(w[1]), int(w[2])) for w in lines if w[0] == "rss"]
        self.assertEqual([frame for frame, _ in samples], [0, 250, 500, 600])
        self.assertTrue(all(kib > 0 for _, kib in samples), samples)
        sections = next(list(map(int, w[1:])) for w in lines if w[0] == "sections")
        self.assertEqual(len(sections), 6)
        self.assertEqual(sum(sections), 600)
        self.assertTrue(all(count > 0 for count in sections), sections)
        self.assertIn(["gl_errors", "0"], lines)


if __name__ == "__main__":
    unittest.main()
