"""The Debian package made by CPack (`cpack -G DEB` in the build folder):
its name, its dependencies as dpkg-shlibdeps reads them from the two
programs, its files, which are exactly those `cmake --install` puts under
/usr, and Debian's own checks of it (lintian)."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

BUILD = os.path.abspath(os.environ.get("ZENTRAFEL_BUILD_DIR", "build/release"))
# Libraries the programs link, by the Debian package that holds them.
LINKED = ["libc6", "libstdc++6", "libglfw3", "libglew2.2", "libglu1-mesa", "libgl1",
          "libportaudio2", "libvorbisfile3", "libkissfft-float131", "libsoil1", "zlib1g"]


def project_version():
    with open(os.path.join(BUILD, "CMakeCache.txt")) as cache:
        return re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache.read(), re.M).group(1)


def installed_files(prefix):
    """Every file below prefix, as ./usr/... paths."""
    files = set()
    for folder, _, names in os.walk(prefix):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), prefix)
            files.add("./usr/" + path)
    return files


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="zentrafel-deb-")
        subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
                        "-B", cls.scratch], check=True, stdout=subprocess.DEVNULL, timeout=600)
        cls.deb = os.path.join(cls.scratch, "zentrafel_%s_amd64.deb" % project_version())
        info = subprocess.run(["dpkg-deb", "--info", cls.deb], check=True, capture_output=True,
                              text=True).stdout
        cls.fields = dict(re.findall(r"^ ([A-Za-z-]+): (.*)$", info, re.M))
        listing = subprocess.run(["dpkg-deb", "--contents", cls.deb], check=True,
                                 capture_output=True, text=True).stdout
        cls.contents = {line.split()[-1] for line in listing.splitlines()
                        if not line.startswith("d")}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def test_control_fields_name_the_package_and_its_version(self):
        self.assertEqual(self.fields["Package"], "zentrafel")
        self.assertEqual(self.fields["Version"], project_version())
        self.assertEqual(self.fields["Architecture"], "amd64")
        self.assertTrue(self.fields["Description"])

    def test_dependencies_are_the_libraries_the_programs_link(self):
        depends = [alternative.split()[0] for entry in self.fields["Depends"].split(",")
                   for alternative in entry.split("|")]
        for package in LINKED:
            with self.subTest(package):
                self.assertIn(package, depends)

    def test_files_are_those_of_an_install_under_usr(self):
        prefix = tempfile.mkdtemp(prefix="zentrafel-usr-")
        try:
            subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], check=True,
                           stdout=subprocess.DEVNULL, timeout=120)
            self.assertEqual(self.contents, installed_files(prefix))
        finally:
            shutil.rmtree(prefix, ignore_errors=True)
        for path in ("./usr/bin/zentrafel", "./usr/bin/zentrafel-render",
                     "./usr/share/applications/io.github.zentrafel.zentrafel.desktop",
                     "./usr/share/man/man6/zentrafel.6.gz",
                     "./usr/share/man/man1/zentrafel-render.1.gz",
                     "./usr/share/doc/zentrafel/copyright",
                     "./usr/share/icons/hicolor/256x256/apps/zentrafel.png",
                     "./usr/share/zentrafel/resource/noise.ogg"):
            self.assertIn(path, self.contents)

    def test_lintian_finds_no_error_and_no_warning(self):
        # Informational tags are left to the reader (--fail-on stops at
        # warnings); they are printed with the failure all the same.
        result = subprocess.run(["lintian", "--fail-on", "error,warning", "--tag-display-limit",
                                 "0", self.deb], capture_output=True, text=True, timeout=600)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main()
