#include "tools/render/frame_writer.h"

#include "platform/piped_process.h"

void FrameWriter::Start(int fd, size_t rowBytes, int rows) {
    thread = std::thread(&FrameWriter::Run, this, fd, rowBytes, rows);
}

void FrameWriter::Submit(int slot, const unsigned char* bottomUp) {
    std::lock_guard<std::mutex> lock(mutex);
    busy[slot] = true;
    queue[(head + queued) % kMaxSlots] = {slot, bottomUp};
    ++queued;
    changed.notify_all();
}

bool FrameWriter::WaitFree(int slot) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return !busy[slot]; });
    return !failed;
}

bool FrameWriter::Finish() {
    if (!thread.joinable())
        return !failed;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    thread.join();
    return !failed;
}

// The frame stays at the head of the queue while it is written, so that its
// slot counts as busy until the last byte has gone.
void FrameWriter::Run(int fd, size_t rowBytes, int rows) {
    std::unique_lock<std::mutex> lock(mutex);
    while (true) {
        changed.wait(lock, [&] { return queued > 0 || stopping; });
        if (queued == 0)
            return;
        const Frame frame = queue[head];
        const bool skip = failed;
        lock.unlock();
        bool written = true;
        if (!skip) {
            const auto start = std::chrono::steady_clock::now();
            written = WriteRowsReversed(fd, frame.pixels, rowBytes, rows);
            writing += std::chrono::steady_clock::now() - start;
        }
        lock.lock();
        failed = failed || !written;
        busy[frame.slot] = false;
        head = (head + 1) % kMaxSlots;
        --queued;
        changed.notify_all();
    }
}
