// FrameWriter: the thread that hands finished frames to the encoder's pipe,
// so that the next frames are drawn and read back while the encoder takes
// this one. A frame arrives as a mapped read-back slot, bottom row first;
// its rows are written top row first straight from the slot (writev over
// the rows in reverse order), so no frame is copied on our side. Frames are
// written in the order they are submitted.
//
// One thread submits and waits (the GL thread); Start, called once, makes the
// writing thread, after which nothing allocates.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

class FrameWriter {
  public:
    static constexpr int kMaxSlots = 8;

    ~FrameWriter() { Finish(); }

    void Start(int fd, size_t rowBytes, int rows);
    // Queues the frame of `slot` (0 to kMaxSlots - 1), which must be free.
    void Submit(int slot, const unsigned char* bottomUp);
    // Blocks until the slot's frame has been written. False once any write
    // has failed; frames queued after that are dropped, not written.
    bool WaitFree(int slot);
    // Waits for every queued frame and ends the thread; false when a write
    // failed.
    bool Finish();
    // Time the thread spent writing, the encoder's share of it included.
    double WritingSeconds() const { return writing.count(); }

  private:
    void Run(int fd, size_t rowBytes, int rows);

    struct Frame {
        int slot;
        const unsigned char* pixels;
    };

    std::thread thread;
    std::mutex mutex;
    std::condition_variable changed;
    Frame queue[kMaxSlots] = {};
    int head = 0;
    int queued = 0;
    bool busy[kMaxSlots] = {};
    bool stopping = false;
    bool failed = false;
    std::chrono::duration<double> writing{0.0};
};
