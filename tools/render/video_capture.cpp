#include "tools/render/video_capture.h"

#include "platform/piped_process.h"
#include "platform/report.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

VideoCapture::~VideoCapture() {
    // The writer thread may still be reading mapped slots.
    StopWriter();
    for (int slot = 0; slot < kSlots; ++slot)
        Unmap(slot);
    if (buffers[0])
        glDeleteBuffers(kSlots, buffers);
}

bool VideoCapture::Start(int fd, int w, int h) {
    if (!GLEW_VERSION_2_1 && !GLEW_ARB_pixel_buffer_object) {
        Report("the GL context has no pixel buffer objects");
        return false;
    }
    width = w;
    height = h;
    glGenBuffers(kSlots, buffers);
    for (GLuint buffer : buffers) {
        glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        // Written by GL, read by us, once per use.
        glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(w) * h * 3, nullptr,
                     GL_STREAM_READ);
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    writer = std::thread(&VideoCapture::WriteSlots, this, fd);
    return true;
}

bool VideoCapture::HandOver(int slot) {
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    const void* pixels = glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    mapped[slot] = pixels != nullptr;
    if (!pixels) {
        Report("a read-back buffer cannot be mapped");
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex);
    handedOver[slot] = static_cast<const unsigned char*>(pixels);
    changed.notify_all();
    return true;
}

bool VideoCapture::WaitWritten(int slot) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return !handedOver[slot]; });
    return !failed;
}

bool VideoCapture::StopWriter() {
    if (!writer.joinable())
        return !failed;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    writer.join();
    return !failed;
}

// A slot stays handed over while it is written, so that it counts as busy
// until the last byte has gone. The slots are handed over in ring order, so
// the next one to write is always known; the time spent writing, the
// encoder's share of it included, is the writer's own part of `times`.
void VideoCapture::WriteSlots(int fd) {
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::unique_lock<std::mutex> lock(mutex);
    while (true) {
        changed.wait(lock, [&] { return handedOver[nextToWrite] || stopping; });
        const unsigned char* pixels = handedOver[nextToWrite];
        if (!pixels)
            return;
        const bool skip = failed;
        lock.unlock();
        bool written = true;
        if (!skip) {
            const Clock::time_point start = Clock::now();
            written = WriteRowsReversed(fd, pixels, rowBytes, height);
            times.writing += Seconds(start, Clock::now());
        }
        lock.lock();
        failed = failed || !written;
        handedOver[nextToWrite] = nullptr;
        nextToWrite = (nextToWrite + 1) % kSlots;
        changed.notify_all();
    }
}

void VideoCapture::Unmap(int slot) {
    if (!mapped[slot])
        return;
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    mapped[slot] = false;
}

bool VideoCapture::Add(OfflineProduction& production, double t) {
    const int slot = static_cast<int>(frames % kSlots);
    const Clock::time_point start = Clock::now();
    production.DrawFrameAt(t);
    const Clock::time_point drawn = Clock::now();
    // The slot's last frame, a ring ago, must have reached the encoder.
    const bool taken = WaitWritten(slot);
    Unmap(slot);
    const Clock::time_point free = Clock::now();
    if (!taken)
        return false;
    // The read returns at once where the driver can read asynchronously.
    // Rows packed without padding; restored so the scenes see GL's default.
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    const Clock::time_point reading = Clock::now();
    const int previous = static_cast<int>((frames + kSlots - 1) % kSlots);
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
        ok = HandOver(static_cast<int>((frames - 1) % kSlots));
        times.readingBack += Seconds(start, Clock::now());
    }
    const Clock::time_point waiting = Clock::now();
    ok = StopWriter() && ok;
    times.waitingForEncoder += Seconds(waiting, Clock::now());
    for (int slot = 0; slot < kSlots; ++slot)
        Unmap(slot);
    return ok;
}
