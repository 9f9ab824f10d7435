// Music on the real audio library, each run in a fresh process since Load
// initialises the library: the no-sound fallback, the clock through Music,
// and what Load prints for a bad music file.
#include "audio/music.h"
#include "bass/audio_options.h"
#include "tests/support/fresh_process.h"
#include "tests/support/ogg_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {

Music music;

struct Printed {
    bool ok;
    std::string out;
    std::string err;
};

Printed Load(const std::string& path) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    bool ok = music.Load(path.c_str());
    std::string out = testing::internal::GetCapturedStdout();
    return {ok, out, testing::internal::GetCapturedStderr()};
}

// Two seconds of tone in a temporary folder that lives as long as the child.
std::string TwoSecondTone(const TempDir& dir) {
    WriteTone(dir.Path("music.ogg"), 44100, 2, 88200);
    return dir.Path("music.ogg");
}

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(MusicOnTheLibrary, PlaysSilentlyWhenSoundIsForcedOff) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        TempDir dir;
        AudioForceNoSound(true);
        Printed load = Load(TwoSecondTone(dir));
        f.True(load.ok, "Load on the no-sound device");
        f.Equal(load.out, "", "printed");
        f.Equal(music.length, 2.0, "length");
        f.Equal(music.Position(), 0.0, "position before play");
        music.Play();
        SleepMs(50);
        double playing = music.Position();
        f.True(playing >= 0.045 && playing < 1.0,
               "position after 50 ms: " + std::to_string(playing));
        music.Stop();
        music.SeekBy(-5.0);
        f.Equal(music.Position(), 0.0, "five seconds back from the start");
        music.SetPosition(1.5);
        f.Equal(music.Position(), 1.5, "set position");
        music.SeekBy(5.0);
        f.Equal(music.Position(), music.length, "five seconds on near the end");
        return f;
    });
}

// Whatever the machine offers (a card, or none as on CI), Load succeeds, and
// the sound libraries' probing prints nothing on stderr.
TEST(MusicOnTheLibrary, LoadsOnTheDefaultDeviceOrFallsBackQuietly) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        TempDir dir;
        std::string path = TwoSecondTone(dir);
        setenv("JACK_DEFAULT_SERVER", ("zf_absent_" + std::to_string(getpid())).c_str(), 1);
        Printed load = Load(path);
        f.True(load.ok, "Load");
        f.Equal(load.out, "", "stdout");
        f.Equal(load.err, "", "stderr");
        return f;
    });
}

TEST(MusicOnTheLibrary, MissingMusicPrintsCantOpenTheFile) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        TempDir dir;
        AudioForceNoSound(true);
        Printed load = Load(dir.Path("noise.ogg"));
        f.True(!load.ok, "Load succeeded");
        f.Equal(load.out, "can't open the file", "printed");
        f.Equal(music.stream, 0u, "stream");
        return f;
    });
}

TEST(MusicOnTheLibrary, MusicThatIsNotOggVorbisPrintsUnsupportedFileFormat) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        TempDir dir;
        AudioForceNoSound(true);
        WriteBytes(dir.Path("noise.ogg"), std::vector<uint8_t>(1000, 0x55));
        Printed load = Load(dir.Path("noise.ogg"));
        f.True(!load.ok, "Load succeeded");
        f.Equal(load.out, "unsupported file format", "printed");
        return f;
    });
}

} // namespace
