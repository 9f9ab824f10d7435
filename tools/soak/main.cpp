// zentrafel-soak: the production drawn offline for many frames at random
// music times, seeking in every direction over every section, with the
// process's resident memory reported as it goes. scripts/soak runs it and
// judges the growth; a steady state shows nothing kept per frame or per seek.
//
//   zentrafel-soak [--device D] [FRAMES [SEED]]   (default 20000 frames, seed 1)
//
// Prints "rss FRAME KIB" every kSampleEvery frames and at the end, then the
// frames per section and the count of frames that left a GL error. Exit
// status: 0 done without GL errors, 1 GL errors, 2 bad arguments, 255
// start-up failed (as the production).
#include "scenes/timeline.h"
#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 36;
constexpr long kSampleEvery = 250;
constexpr int kStartupFailed = -1;

// VmRSS of this process in KiB, or -1 when /proc does not tell.
long ResidentKib() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kib = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return kib;
}

// 0 line field, 1 title, 2 grid, 3 greetings, 4 closing, 5 credits.
int SectionOf(double t) {
    const double starts[] = {kTitleStart, kGridStart, kGreetingsStart, kClosingStart,
                             kCreditsStart};
    int section = 0;
    for (double start : starts)
        section += t > start;
    return section;
}

bool ParseCount(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && value > 0;
}

} // namespace

int main(int argc, char** argv) {
    long frames = 20000;
    long seed = 1;
    GlDeviceChoice device;
    // --device, where given, comes first.
    bool deviceOk = true;
    if (argc > 2 && std::strcmp(argv[1], "--device") == 0) {
        deviceOk = ParseGlDeviceChoice(argv[2], device);
        argv += 2;
        argc -= 2;
    }
    if (!deviceOk || argc > 3 || (argc > 1 && !ParseCount(argv[1], frames)) ||
        (argc > 2 && !ParseCount(argv[2], seed))) {
        std::fprintf(stderr, "usage: zentrafel-soak [--device auto|software|N] [FRAMES [SEED]] "
                             "(positive whole numbers)\n");
        return 2;
    }
    OfflineProduction production;
    if (!production.Start(kWidth, kHeight, device))
        return kStartupFailed;
    FrameCapture capture;
    capture.Init(kWidth, kHeight);

    std::mt19937_64 random(static_cast<unsigned long>(seed));
    std::uniform_real_distribution<double> anyTime(0.0, production.MusicLength());
    long perSection[6] = {};
    long glErrors = 0;
    for (long i = 0; i < frames; ++i) {
        if (i % kSampleEvery == 0)
            std::printf("rss %ld %ld\n", i, ResidentKib());
        const double t = anyTime(random);
        production.DrawFrameAt(t);
        // Reading the frame back waits for the driver to draw it.
        capture.Read();
        glErrors += glGetError() != GL_NO_ERROR;
        ++perSection[SectionOf(t)];
    }
    std::printf("rss %ld %ld\n", frames, ResidentKib());
    std::printf("sections %ld %ld %ld %ld %ld %ld\n", perSection[0], perSection[1], perSection[2],
                perSection[3], perSection[4], perSection[5]);
    std::printf("gl_errors %ld\n", glErrors);
    return glErrors == 0 ? 0 : 1;
}
