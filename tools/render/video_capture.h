// VideoCapture: a video's frames in three overlapping stages. The GL thread
// draws frame N and starts its read-back into a slot of a ring of
// pixel-pack buffers, then maps frame N - 1, whose read has finished
// meanwhile on the GPU (or the driver's threads), and queues it for the
// writer thread, which feeds the encoder's pipe while frames N + 1, N + 2 are
// drawn. The GL thread waits only when the encoder falls a whole ring behind.
// The writer writes a mapped slot's rows top row first straight from the
// slot (writev over the rows in reverse order), so no frame is copied on our
// side, and the slots in the order they were filled.
//
// Start, called once, makes the buffers and the thread; Add and Finish
// allocate nothing.
// GL thread only (the production's context current); a mapped slot's bytes
// are read on the writer thread until the slot is unmapped.
#pragma once

#include "tools/render/offline_production.h"

#include <GL/glew.h>

#include <condition_variable>
#include <mutex>
#include <thread>

// Seconds of the GL thread in each stage, and of the writer thread in the
// pipe's write calls (the encoder taking the frames). A GPU runs the frame
// and its read after the calls return, and mapping waits for what is left of
// the read; a software rasteriser draws the frame when the read is started,
// so there nearly all of a frame counts as drawing.
struct CaptureTimes {
    double drawing = 0.0;     // the frame's GL calls and the call starting its read
    double readingBack = 0.0; // mapping the frame before, whose read has run meanwhile
    double waitingForEncoder = 0.0;
    double writing = 0.0;
};

class VideoCapture {
  public:
    static constexpr int kSlots = 3;

    ~VideoCapture();

    // Frames of width x height go to `fd` as raw RGB, top row first. False
    // (with a line on stderr) when the context cannot read back into buffers.
    bool Start(int fd, int width, int height);
    // Draws music time t and queues the frame after those before it. False
    // once the pipe's reader has stopped taking frames.
    bool Add(OfflineProduction& production, double t);
    // Queues the last frame and waits until every frame has been written.
    bool Finish();
    const CaptureTimes& Times() const { return times; }

  private:
    // Maps the slot, whose read has been started, and queues it for the
    // writer; false when the driver cannot map it.
    bool HandOver(int slot);
    void Unmap(int slot);
    // Blocks until the slot's frame has been written. False once any write
    // has failed; frames handed over after that are dropped, not written.
    bool WaitWritten(int slot);
    // Waits for every frame handed over and ends the writer thread; false
    // when a write failed.
    bool StopWriter();
    // The writer thread's loop.
    void WriteSlots(int fd);

    GLuint buffers[kSlots] = {};
    bool mapped[kSlots] = {};
    int width = 0;
    int height = 0;
    long frames = 0;
    bool finished = false;
    CaptureTimes times;

    // Shared with the writer thread, under `mutex`.
    std::thread writer;
    std::mutex mutex;
    std::condition_variable changed;
    const unsigned char* handedOver[kSlots] = {}; // a mapped slot until it is written
    int nextToWrite = 0;
    bool stopping = false;
    bool failed = false;
};
