// zentrafel-bench clock: how smoothly the music clock runs. Plays a
// generated stream for a while on the "no sound" device 0 and then on device
// -1 against a paced JACK dummy server, polls the position about every
// millisecond, and reports per poll the difference between the position's
// step and the steady clock's step (median, 99th percentile, maximum) and
// the number of backward steps. Goals: median under 0.2 ms, maximum under
// 1 ms, never a backward step. --decode-minutes also times the decoding of
// an M-minute stereo file at stream creation. Exit status 1 when a goal is
// missed, 2 on a setup failure.
#include "app/bench_stats.h"
#include "bass/bass.h"
#include "platform/report.h"
#include "tools/bench/bench_modes.h"
#include "tools/signal/jack_dummy.h"
#include "tools/signal/ogg_writer.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double PositionOf(HSTREAM stream) {
    return BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
}

// Waits for the first heard frame; returns the delay, or a negative number.
double WaitForStart(HSTREAM stream) {
    double begin = Now();
    double first = PositionOf(stream);
    while (Now() - begin < 2.0) {
        if (PositionOf(stream) > first)
            return Now() - begin;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return -1.0;
}

// Per poll, how far the position's step strays from the steady clock's;
// `backward` counts the steps back.
std::vector<double> PollErrors(HSTREAM stream, double seconds, int& backward) {
    std::vector<double> errors;
    errors.reserve(size_t(seconds * 2000.0));
    double lastTime = Now();
    double lastPos = PositionOf(stream);
    double end = lastTime + seconds;
    while (lastTime < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        double pos = PositionOf(stream);
        double time = Now();
        backward += pos < lastPos;
        errors.push_back(std::fabs((pos - lastPos) - (time - lastTime)));
        lastPos = pos;
        lastTime = time;
    }
    return errors;
}

// Plays the stream, prints the device's line and says whether it met the goals.
bool MeasureClock(const char* device, HSTREAM stream, double seconds) {
    BASS_ChannelPlay(stream, FALSE);
    const double startDelay = WaitForStart(stream);
    int backward = 0;
    std::vector<double> errors = PollErrors(stream, seconds, backward);
    BASS_ChannelStop(stream);
    const double median = Median(errors.data(), errors.size());
    const double p99 = Percentile(errors.data(), errors.size(), 99.0);
    const double max = errors.back(); // sorted by the two above
    std::printf("%-12s polls %6zu  start %6.1f ms  median %.4f ms  p99 %.4f ms  max %.4f ms  "
                "backward %d\n",
                device, errors.size(), startDelay * 1e3, median * 1e3, p99 * 1e3, max * 1e3,
                backward);
    return startDelay >= 0.0 && median < 0.2e-3 && max < 1e-3 && backward == 0;
}

HSTREAM CreateStream(const std::string& path) {
    HSTREAM stream = BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
    if (!stream)
        Report("stream creation failed, code %d", BASS_ErrorGetCode());
    return stream;
}

int RunDecode(const std::string& dir, double minutes) {
    OggShape shape;
    shape.frames = int64_t(minutes * 60.0 * double(shape.rate));
    std::string path = dir + "/decode.ogg";
    if (!WriteSineOgg(path, shape, 220.0, 0.5))
        return 2;
    double begin = Now();
    std::clock_t cpuBegin = std::clock();
    HSTREAM stream = CreateStream(path);
    double elapsed = Now() - begin;
    double cpu = double(std::clock() - cpuBegin) / CLOCKS_PER_SEC;
    std::remove(path.c_str());
    if (!stream)
        return 2;
    // CPU time as well: on a shared machine the wall time says more about the load.
    std::printf("decode       %.1f min stereo 44.1 kHz in %.3f s (%.3f s of CPU)\n", minutes,
                elapsed, cpu);
    return 0;
}

int RunClocks(const std::string& path, double seconds) {
    HSTREAM silent = CreateStream(path);
    if (!silent)
        return 2;
    bool ok = MeasureClock("device 0", silent, seconds);
    JackDummyServer server;
    if (!server.Start() || !BASS_Init(-1, 44100, 0, nullptr, nullptr)) {
        Report("no output through the JACK dummy (code %d)", BASS_ErrorGetCode());
        return 2;
    }
    HSTREAM heard = CreateStream(path);
    if (!heard)
        return 2;
    ok &= MeasureClock("JACK dummy", heard, seconds);
    return ok ? 0 : 1;
}

} // namespace

int RunClock(const BenchOptions& options) {
    char dir[] = "/tmp/zentrafel-bench.XXXXXX";
    if (!mkdtemp(dir))
        return 2;
    std::string path = std::string(dir) + "/tone.ogg";
    OggShape shape;
    shape.frames = int64_t((options.seconds + 3.0) * double(shape.rate));
    int status = 2;
    if (WriteSineOgg(path, shape, 440.0, 0.25) && BASS_Init(0, 44100, 0, nullptr, nullptr)) {
        status = options.decodeMinutes > 0.0 ? RunDecode(dir, options.decodeMinutes) : 0;
        if (status == 0)
            status = RunClocks(path, options.seconds);
    }
    std::remove(path.c_str());
    rmdir(dir);
    return status;
}
