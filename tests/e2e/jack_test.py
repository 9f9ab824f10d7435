"""The production on a real sound output: PortAudio playing into a JACK server
whose dummy back end consumes the sound in real time, as a sound card would."""

import time
import unittest

from production import STARTUP_LINES, JackServer, Production, quiet_environment

FRAME_SLACK = 0.5


class JackOutput(unittest.TestCase):
    def test_plays_into_jack_with_the_clock_in_real_time(self):
        with JackServer() as jack:
            env = quiet_environment(JACK_DEFAULT_SERVER=jack.name)
            with Production(env=env) as production:
                self.assertEqual(production.read_startup(), STARTUP_LINES)
                first = production.pause()
                ours = [port for port in jack.ports() if not port.startswith("system:")]
                self.assertTrue(ours, "the production opened no JACK port")

                production.keys("space")
                resumed = time.monotonic()
                time.sleep(2.0)
                later = production.pause()
                elapsed = time.monotonic() - resumed
                self.assertGreater(later, first)
                self.assertAlmostEqual(later - first, elapsed, delta=FRAME_SLACK)

                production.keys("Escape")
                self.assertEqual(production.wait(), 0)

    def test_mute_leaves_the_server_alone_and_keeps_the_clock(self):
        with JackServer() as jack:
            env = quiet_environment(JACK_DEFAULT_SERVER=jack.name)
            with Production(("--windowed", "--mute"), env=env) as production:
                self.assertEqual(production.read_startup(), STARTUP_LINES)
                first = production.pause()
                self.assertEqual([p for p in jack.ports() if not p.startswith("system:")], [])
                production.keys("space")
                time.sleep(1.0)
                self.assertGreater(production.pause(), first + 0.5)
                production.keys("Escape")
                self.assertEqual(production.wait(), 0)


if __name__ == "__main__":
    unittest.main()
