"""`cmake --install` of the build into a fresh prefix: the two programs, the
data they read, and a desktop entry whose icon and command are where a
desktop menu looks for them."""

import filecmp
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
from xml.etree import ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from production import STARTUP_LINES, Production, quiet_environment  # noqa: E402

BUILD = os.environ.get("ZENTRAFEL_BUILD_DIR", "build/release")
# The desktop entry and the AppStream metainfo are named by one id.
APP_ID = "io.github.zentrafel.zentrafel"


def install_into_fresh_prefix():
    prefix = tempfile.mkdtemp(prefix="zentrafel-install-")
    subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL, timeout=120)
    return prefix


def desktop_entry(path):
    with open(path) as entry:
        return dict(line.rstrip("\n").split("=", 1) for line in entry if "=" in line)


class Install(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = install_into_fresh_prefix()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix, ignore_errors=True)

    def installed(self, *parts):
        return os.path.join(self.prefix, *parts)

    def test_both_programs_run_from_the_prefix(self):
        for program in ("zentrafel", "zentrafel-render"):
            with self.subTest(program):
                result = subprocess.run([self.installed("bin", program), "--help"],
                                        capture_output=True, text=True, timeout=30,
                                        cwd=tempfile.gettempdir())
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertIn("usage:", result.stdout)

    def test_the_renderer_reads_the_installed_data_and_writes_where_it_was_started(self):
        elsewhere = tempfile.mkdtemp(prefix="zentrafel-home-")
        try:
            result = subprocess.run(
                [self.installed("bin", "zentrafel-render"), "--at", "20", "--size", "64x36",
                 "--out", "stills"], capture_output=True, text=True, timeout=60, cwd=elsewhere,
                env=quiet_environment())
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(os.listdir(os.path.join(elsewhere, "stills")), ["020.000.png"])
        finally:
            shutil.rmtree(elsewhere, ignore_errors=True)

    def test_the_data_folder_holds_every_resource_unchanged(self):
        data = self.installed("share", "zentrafel", "resource")
        names = sorted(os.listdir("resource"))
        self.assertEqual(sorted(os.listdir(data)), names)
        _, mismatch, errors = filecmp.cmpfiles("resource", data, names, shallow=False)
        self.assertEqual(mismatch + errors, [])

    def test_the_desktop_entry_is_valid_and_names_what_was_installed(self):
        path = self.installed("share", "applications", APP_ID + ".desktop")
        check = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
        self.assertEqual(check.stdout, "", "no warnings either")
        entry = desktop_entry(path)
        self.assertEqual(entry["Type"], "Application")
        self.assertTrue(os.access(self.installed("bin", entry["Exec"].split()[0]), os.X_OK))
        icon = self.installed("share", "icons", "hicolor", "256x256", "apps",
                              entry["Icon"] + ".png")
        with open(icon, "rb") as image:
            head = image.read(26)
        self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n")
        width, height, depth, colour = struct.unpack(">IIBB", head[16:26])
        # 8-bit RGBA: the rounded corners are see-through.
        self.assertEqual((width, height, depth, colour), (256, 256, 8, 6))

    def test_the_metainfo_is_valid_and_launches_the_desktop_entry(self):
        path = self.installed("share", "metainfo", APP_ID + ".metainfo.xml")
        check = subprocess.run(["appstreamcli", "validate", "--pedantic", "--no-net", path],
                               capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
        # Pedantic notes and informational hints fail no validation: none at all.
        self.assertNotRegex(check.stdout, r"(?m)^[EWIP]: ")
        launchable = ElementTree.parse(path).getroot().find("launchable")
        self.assertTrue(os.path.isfile(self.installed("share", "applications", launchable.text)))


class StartedFromTheMenu(unittest.TestCase):
    """As a desktop menu starts it: the installed program in a folder without
    resource/, which plays the installed data."""

    def test_plays_the_installed_data_from_any_folder(self):
        prefix = install_into_fresh_prefix()
        elsewhere = tempfile.mkdtemp(prefix="zentrafel-home-")
        try:
            with Production(("--windowed", "--mute"), cwd=elsewhere,
                            binary=os.path.join(prefix, "bin", "zentrafel")) as production:
                self.assertEqual(production.read_startup(), STARTUP_LINES)
                self.assertGreaterEqual(production.pause(), 0.0)
                production.keys("Escape")
                self.assertEqual(production.wait(), 0)
        finally:
            shutil.rmtree(prefix, ignore_errors=True)
            shutil.rmtree(elsewhere, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
