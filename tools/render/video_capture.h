// VideoCapture: a video's frames in three overlapping stages. The GL thread
// draws frame N and starts its read-back into a slot of a ring of
// pixel-pack buffers, then maps frame N - 1, whose read has finished
// meanwhile on the GPU (or the driver's threads), and queues it for the
// writer thread, which feeds the encoder's pipe while frames N + 1, N + 2 are
// drawn. The GL thread waits only when the encoder falls a whole ring behind.
//
// Start, called once, makes the buffers and the thread; Add and Finish
// allocate nothing.
// GL thread only (the production's context current); a mapped slot's bytes
// are read on the writer thread until the slot is unmapped.
#pragma once

#include "tools/render/frame_writer.h"
#include "tools/render/offline_production.h"

#include <GL/glew.h>

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

    GLuint buffers[kSlots] = {};
    bool mapped[kSlots] = {};
    int width = 0;
    int height = 0;
    FrameWriter writer;
    long frames = 0;
    bool finished = false;
    CaptureTimes times;
};
