#include "tools/render/video_capture.h"

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

bool VideoCapture::Start(int fd, int width, int height) {
    if (!ring.Init(width, height)) {
        std::fprintf(stderr, "zentrafel-render: the GL context has no pixel buffer objects\n");
        return false;
    }
    writer.Start(fd, ring.RowBytes(), ring.Height());
    frames = 0;
    finished = false;
    times = {};
    return true;
}

bool VideoCapture::HandOver(int slot) {
    const unsigned char* pixels = ring.Map(slot);
    if (!pixels) {
        std::fprintf(stderr, "zentrafel-render: a read-back buffer cannot be mapped\n");
        return false;
    }
    writer.Submit(slot, pixels);
    return true;
}

bool VideoCapture::Add(OfflineProduction& production, double t) {
    const int slot = static_cast<int>(frames % ReadbackRing::kSlots);
    const Clock::time_point start = Clock::now();
    production.DrawFrameAt(t);
    const Clock::time_point drawn = Clock::now();
    // The slot's last frame, a ring ago, must have reached the encoder.
    const bool taken = writer.WaitFree(slot);
    ring.Unmap(slot);
    const Clock::time_point free = Clock::now();
    if (!taken)
        return false;
    ring.StartRead(slot);
    const Clock::time_point reading = Clock::now();
    const int previous =
        static_cast<int>((frames + ReadbackRing::kSlots - 1) % ReadbackRing::kSlots);
    const bool handed = frames == 0 || HandOver(previous);
    const Clock::time_point end = Clock::now();
    times.drawing += Seconds(start, drawn) + Seconds(free, reading);
    times.waitingForEncoder += Seconds(drawn, free);
    times.readingBack += Seconds(reading, end);
    ++frames;
    return handed;
}

bool VideoCapture::Finish() {
    if (finished)
        return true;
    finished = true;
    bool ok = true;
    if (frames > 0) {
        const Clock::time_point start = Clock::now();
        ok = HandOver(static_cast<int>((frames - 1) % ReadbackRing::kSlots));
        times.readingBack += Seconds(start, Clock::now());
    }
    const Clock::time_point waiting = Clock::now();
    ok = writer.Finish() && ok;
    times.waitingForEncoder += Seconds(waiting, Clock::now());
    times.writing = writer.WritingSeconds();
    for (int slot = 0; slot < ReadbackRing::kSlots; ++slot)
        ring.Unmap(slot);
    return ok;
}
