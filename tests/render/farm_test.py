"""scripts/render-farm run as a user would: a six-second stretch across the
cut from the line field to the title (40 to 46 s at 30 fps) cut into four
segments, two rendered at a time through GNU parallel, joined and given the
music. The joined file must hold every frame of the stretch once, on the
stretch's own time grid, and a killed segment must stop the join and be the
only one rendered again; in the lossless codec the joined frames are those
of the same stretch rendered in one run, checksum for checksum."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FARM = os.path.join(ROOT, "scripts", "render-farm")
RENDER = os.path.abspath(os.environ.get("ZENTRAFEL_RENDER",
                                        "build/release/tools/render/zentrafel-render"))
FROM, TO, FPS, SEGMENTS = 40, 46, 30, 4
FRAMES = (TO - FROM) * FPS
STRETCH = ["--from", str(FROM), "--to", str(TO), "--fps", str(FPS), "--size", "320x180"]


def environment(**changes):
    """The test's environment for the renderer and the farm. In a sanitizer
    build the leak check at exit would run after the GL driver is unloaded and
    report the driver's live allocations; memory errors are still caught."""
    env = dict(os.environ, **changes)
    if "ASAN_OPTIONS" in env:
        env["ASAN_OPTIONS"] += ":detect_leaks=0"
    return env


def farm(video, *switches, render=RENDER):
    env = environment(ZENTRAFEL_RENDER=render)
    return subprocess.run(
        [FARM, "--segments", str(SEGMENTS), "--jobs", "2", "--", "--video", video,
         *STRETCH, *switches],
        cwd=ROOT, env=env, capture_output=True, text=True, timeout=600)


def probe(video, *entries):
    out = subprocess.run(["ffprobe", "-v", "error", "-of", "json", *entries, video],
                         check=True, capture_output=True, text=True, timeout=60).stdout
    return json.loads(out)


def video_packets(video):
    """(pts, dts, key frame) of every video packet, in file order, in the
    stream's time base, and that time base as a number of ticks a second."""
    info = probe(video, "-select_streams", "v:0", "-show_entries",
                 "packet=pts,dts,flags:stream=time_base")
    num, den = info["streams"][0]["time_base"].split("/")
    assert num == "1"
    return ([(int(p["pts"]), int(p["dts"]), "K" in p["flags"]) for p in info["packets"]],
            int(den))


def frame_checksums(video):
    """ffmpeg's framemd5 lines of the picture: time stamps, sizes, checksums."""
    out = subprocess.run(["ffmpeg", "-v", "error", "-i", video, "-map", "0:v", "-f", "framemd5",
                          "-"], check=True, capture_output=True, text=True, timeout=120).stdout
    return [line for line in out.splitlines() if not line.startswith("#")]


def chapters(video):
    return [(c["tags"]["title"], float(c["start_time"]), float(c["end_time"]))
            for c in probe(video, "-show_chapters")["chapters"]]


def stream_durations(video):
    info = probe(video, "-show_entries", "stream=codec_type,duration")
    return {s["codec_type"]: float(s["duration"]) for s in info["streams"]}


class FarmJoin(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="zf-farm-")

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def test_segments_join_into_every_frame_once_on_the_stretchs_time_grid(self):
        video = os.path.join(self.folder, "farm.mp4")
        run = farm(video)
        self.assertEqual(run.returncode, 0, run.stderr)
        for k in range(1, SEGMENTS + 1):
            self.assertIn("segment %d/%d: done" % (k, SEGMENTS), run.stderr)
        self.assertIn("wrote %s: %d frames" % (video, FRAMES), run.stderr)
        self.assertFalse(os.path.exists(video + ".segments"), "segments are removed once joined")

        packets, ticks = video_packets(video)
        self.assertEqual(len(packets), FRAMES)
        self.assertEqual(ticks % FPS, 0)
        step = ticks // FPS
        # Presentation times are exactly frames 0 .. FRAMES-1 of the grid: a
        # repeated or missing frame or a jump at a join would show here.
        self.assertEqual(sorted(p[0] for p in packets), [i * step for i in range(FRAMES)])
        decode = [p[1] for p in packets]
        self.assertTrue(all(a < b for a, b in zip(decode, decode[1:])),
                        "decoding times rise through every join")
        per_segment = FRAMES // SEGMENTS
        keys = [i for i, p in enumerate(sorted(packets)) if p[2]]
        for k in range(SEGMENTS):
            self.assertIn(k * per_segment, keys, "segment %d starts with a key frame" % (k + 1))

        durations = stream_durations(video)
        self.assertAlmostEqual(durations["video"], TO - FROM, delta=1e-6)
        self.assertAlmostEqual(durations["audio"], TO - FROM, delta=0.03,
                               msg="the music of the whole stretch, once")
        self.assertEqual(chapters(video), [("opening", 0.0, 2.6), ("title", 2.6, 6.0)],
                         "the chapters of the whole stretch, the title's at the cut at 42.6 s")

    def test_a_killed_segment_is_named_and_alone_rendered_again_then_equals_one_run(self):
        video = os.path.join(self.folder, "resumed.mkv")
        # Kills segment 3 with SIGKILL once its encoder has begun writing, so
        # a short but valid file lies where the segment was being written.
        killer = os.path.join(self.folder, "kill-segment-3")
        with open(killer, "w") as f:
            f.write("""#!/bin/bash
case " $* " in *" --segment 3/%d "*) ;; *) exec "%s" "$@" ;; esac
"%s" "$@" & pid=$!
part=$2
while kill -0 $pid 2>/dev/null && ! [ -s "$part" ]; do sleep 0.05; done
kill -KILL $pid
wait $pid
""" % (SEGMENTS, RENDER, RENDER))
        os.chmod(killer, 0o755)
        broken = farm(video, "--codec", "ffv1", render=killer)
        self.assertEqual(broken.returncode, 1, broken.stderr)
        self.assertIn("segment 3/%d failed or is missing" % SEGMENTS, broken.stderr)
        self.assertIn("not joined", broken.stderr)
        for k in (1, 2, 4):
            self.assertNotIn("segment %d/%d failed" % (k, SEGMENTS), broken.stderr)
        self.assertFalse(os.path.exists(video))
        kept = sorted(os.listdir(video + ".segments"))
        self.assertEqual([n for n in kept if n.endswith(".mkv")],
                         ["segment-%d-of-4.mkv" % k for k in (1, 2, 4)],
                         "no part of the killed segment passes for a segment")

        resumed = farm(video, "--codec", "ffv1")
        self.assertEqual(resumed.returncode, 0, resumed.stderr)
        self.assertIn("3 of 4 segments are already rendered", resumed.stderr)
        self.assertIn("segment 3/4: done", resumed.stderr)
        for k in (1, 2, 4):
            self.assertNotIn("segment %d/4: " % k, resumed.stderr)

        whole = os.path.join(self.folder, "whole.mkv")
        subprocess.run([RENDER, "--video", whole, *STRETCH, "--codec", "ffv1"], cwd=ROOT,
                       check=True, capture_output=True, timeout=600, env=environment())
        joined = frame_checksums(video)
        self.assertEqual(len(joined), FRAMES)
        self.assertEqual(joined, frame_checksums(whole), "frame for frame the one-run capture")
        self.assertEqual(chapters(video), chapters(whole))
        self.assertEqual(probe(video, "-show_entries", "stream=codec_name")["streams"],
                         [{"codec_name": "ffv1"}, {"codec_name": "flac"}])

    def test_segments_on_other_hosts_come_back_and_join_as_one_run(self):
        # parallel reaches the hosts through a stand-in for ssh that runs
        # each command here: the jobs, their quoting and rsync's returns take
        # the way they take to real hosts.
        log = os.path.join(self.folder, "ssh.log")
        video = os.path.join(self.folder, "hosts.mkv")
        short = ["--from", "40", "--to", "41", "--fps", "30", "--size", "160x90", "--codec",
                 "ffv1"]
        env = environment(ZENTRAFEL_RENDER=RENDER, STAND_IN_SSH_LOG=log,
                          PARALLEL_SSH=os.path.join(ROOT, "tests", "render", "stand_in_ssh"))
        run = subprocess.run([FARM, "--segments", "2", "--sshlogin", "1/render1,1/render2", "--",
                              "--video", video, *short], cwd=self.folder, env=env,
                             capture_output=True, text=True, timeout=600)
        self.assertEqual(run.returncode, 0, run.stderr)
        with open(log) as f:
            calls = [line.split("\t") for line in f.read().splitlines()]
        self.assertEqual({host for host, _ in calls}, {"render1", "render2"})
        self.assertTrue(any("rsync" in command for _, command in calls),
                        "the segments came back through rsync")

        whole = os.path.join(self.folder, "whole.mkv")
        subprocess.run([RENDER, "--video", whole, *short], cwd=ROOT, check=True,
                       capture_output=True, timeout=600, env=environment())
        joined = frame_checksums(video)
        self.assertEqual(len(joined), 30)
        self.assertEqual(joined, frame_checksums(whole))
        self.assertEqual(chapters(video), [("opening", 0.0, 1.0)])

    def test_a_request_the_farm_cannot_split_is_refused_with_the_usage(self):
        for arguments in (["--segments", "0", "--", "--video", "a.mp4"],
                          ["--segments", "2", "--", "--from", "3"],
                          ["--segments", "2", "--", "--video", "a.mp4", "--segment", "1/2"],
                          ["--segments", "2", "--jobs", "x", "--", "--video", "a.mp4"]):
            run = subprocess.run([FARM, *arguments], cwd=self.folder, capture_output=True,
                                 text=True, timeout=60)
            self.assertEqual(run.returncode, 2, arguments)
            self.assertIn("usage: scripts/render-farm", run.stderr)
            self.assertEqual(os.listdir(self.folder), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
