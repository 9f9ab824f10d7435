// The audio library's device -1 through PortAudio, against a paced JACK dummy
// server that each test starts for itself, in a fresh process (device -1 can
// be initialised once per process, and PortAudio finds JACK servers when it
// starts).
#include "bass/bass.h"
#include "tests/bass/jack_listener.h"
#include "tests/support/fresh_process.h"
#include "tests/support/ogg_files.h"
#include "tools/signal/jack_dummy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

// Kills a child that hangs, so the test fails instead of stalling the suite.
constexpr unsigned kWatchdogSeconds = 30;

double Seconds(HSTREAM stream) {
    return BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
}

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The server, device -1 on it, and a stream of four seconds of tone.
struct JackRig {
    JackDummyServer server;
    TempDir dir;
    HSTREAM stream = 0;
    long rate = 0;

    bool Start(Findings& f, long serverRate = 44100) {
        alarm(kWatchdogSeconds);
        rate = serverRate;
        if (!server.Start(serverRate)) {
            f.True(false, "jackd with the dummy driver did not start");
            return false;
        }
        bool init = BASS_Init(-1, 44100, 0, nullptr, nullptr) && BASS_Start();
        f.True(init, "device -1 on the JACK server, code " + std::to_string(BASS_ErrorGetCode()));
        WriteTone(dir.Path("tone.ogg"), 44100, 2, 4 * 44100);
        stream = init ? BASS_StreamCreateFile(FALSE, dir.Path("tone.ogg").c_str(), 0, 0, 0) : 0;
        f.True(stream != 0, "stream on device -1");
        return stream != 0;
    }

    // The least output latency on the server: a buffer filled in one cycle
    // is heard a period later at the earliest.
    double LeastLatency() const { return double(JackDummyServer::kPeriodFrames) / double(rate); }
};

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Followed {
    double position;
    double elapsed; // seconds of steady clock, measured: sleeps overrun under load
};

// Polls every 2 ms for `ms` (or more); notes any backward step.
Followed Follow(HSTREAM stream, int ms, Findings& f) {
    double begin = Now();
    double last = Seconds(stream);
    while (Now() - begin < ms / 1000.0) {
        SleepMs(2);
        double now = Seconds(stream);
        f.True(now >= last, "backward step " + std::to_string(last) + " -> " + std::to_string(now));
        last = now;
    }
    return {last, Now() - begin};
}

// The heard position lags the time played by the output latency: at least
// the server's period (the output reports two on the dummy server, less the
// first callback's late waking), at most this, with the wait for that callback.
constexpr double kMostLatency = 0.1;

void ExpectBetween(Findings& f, double value, double low, double high, const std::string& what) {
    f.True(value >= low && value <= high, what + " " + std::to_string(value) + " not in [" +
                                              std::to_string(low) + ", " + std::to_string(high) +
                                              "]");
}

TEST(BassOnJack, DefaultDeviceReachesTheServerAndRunsInRealTime) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        if (rig.Start(f)) {
            BASS_ChannelPlay(rig.stream, FALSE);
            Followed after = Follow(rig.stream, 500, f);
            ExpectBetween(f, after.position, after.elapsed - kMostLatency,
                          after.elapsed - rig.LeastLatency(), "position after 500 ms");
        }
        return f;
    });
}

// The server's rate is its own; the stream's 44.1 kHz is converted to it.
TEST(BassOnJack, PlaysOnAServerOfAnotherRate) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        JackListener listener;
        if (rig.Start(f, 48000)) {
            f.True(listener.Open(), "listener connected to the output");
            BASS_ChannelPlay(rig.stream, FALSE);
            Followed after = Follow(rig.stream, 500, f);
            ExpectBetween(f, after.position, after.elapsed - kMostLatency,
                          after.elapsed - rig.LeastLatency(), "position after 500 ms");
            ExpectBetween(f, listener.TakePeak(), 0.45, 0.55, "peak of the 0.5 tone");
        }
        return f;
    });
}

TEST(BassOnJack, TheStreamIsHeardOnlyWhilePlaying) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        JackListener listener;
        if (rig.Start(f)) {
            f.True(listener.Open(), "listener connected to the output");
            SleepMs(100);
            f.True(listener.TakePeak() < 1e-4f, "silence before play");
            BASS_ChannelPlay(rig.stream, FALSE);
            SleepMs(300);
            ExpectBetween(f, listener.TakePeak(), 0.45, 0.55, "peak of the 0.5 tone");
            BASS_ChannelStop(rig.stream);
            SleepMs(150);
            listener.TakePeak();
            SleepMs(150);
            f.True(listener.TakePeak() < 1e-4f, "silence after stop");
        }
        return f;
    });
}

TEST(BassOnJack, StopFreezesAndPlayContinues) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        if (rig.Start(f)) {
            BASS_ChannelPlay(rig.stream, FALSE);
            Follow(rig.stream, 300, f);
            BASS_ChannelStop(rig.stream);
            double stopped = Seconds(rig.stream);
            SleepMs(100);
            f.Equal(Seconds(rig.stream), stopped, "position while stopped");
            BASS_ChannelPlay(rig.stream, FALSE);
            Followed resumed = Follow(rig.stream, 300, f);
            ExpectBetween(f, resumed.position, stopped + resumed.elapsed - kMostLatency,
                          stopped + resumed.elapsed - rig.LeastLatency(),
                          "position 300 ms after play");
        }
        return f;
    });
}

TEST(BassOnJack, SeeksWhilePlaying) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        if (rig.Start(f)) {
            BASS_ChannelPlay(rig.stream, FALSE);
            SleepMs(100);
            BASS_ChannelSetPosition(rig.stream, BASS_ChannelSeconds2Bytes(rig.stream, 2.0),
                                    BASS_POS_BYTE);
            f.Equal(Seconds(rig.stream), 2.0, "position right after the seek");
            Followed after = Follow(rig.stream, 300, f);
            ExpectBetween(f, after.position, 2.0 + after.elapsed - kMostLatency,
                          2.0 + after.elapsed - rig.LeastLatency(), "300 ms after the seek");
            BASS_ChannelSetPosition(rig.stream, BASS_ChannelSeconds2Bytes(rig.stream, 9.0),
                                    BASS_POS_BYTE);
            f.Equal(Seconds(rig.stream), 4.0, "a seek past the end ends the stream");
        }
        return f;
    });
}

TEST(BassOnJack, ClockRunsOnWhenTheServerVanishes) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        JackRig rig;
        if (rig.Start(f)) {
            BASS_ChannelPlay(rig.stream, FALSE);
            SleepMs(200);
            rig.server.Stop();
            double gone = Seconds(rig.stream);
            Followed after = Follow(rig.stream, 500, f);
            ExpectBetween(f, after.position, gone + after.elapsed - 0.05,
                          gone + after.elapsed + 0.05, "500 ms after the server went");
            BASS_ChannelStop(rig.stream);
            double stopped = Seconds(rig.stream);
            SleepMs(50);
            f.Equal(Seconds(rig.stream), stopped, "stopped without a server");
            BASS_ChannelPlay(rig.stream, FALSE);
            // Nothing is heard any more: the clock starts after a grace period.
            SleepMs(700);
            f.True(Seconds(rig.stream) > stopped, "plays on without a server");
        }
        return f;
    });
}

} // namespace
