// Exposure: one output frame as the renderer writes it. Plainly, that is the
// frame drawn at its music time and read back. Supersampled, the frame is
// drawn N times larger each way and each N × N block is averaged into one
// pixel. With motion blur it is the average of several subframes drawn at
// times spread evenly over the part of the frame interval the shutter is
// open, each with the spectrum of its own moment, taken in floating point so
// that faint trails do not round away. Init allocates everything; Take
// allocates nothing.
#pragma once

#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"

#include <cstddef>
#include <vector>

struct ExposureSettings {
    int subframes = 1;    // 1: the plain frame
    double shutter = 0.5; // the open fraction of the frame interval, (0, 1]
    int fps = 30;         // frames per second, which sets the interval
    int supersample = 1;  // the production draws this many times larger each way
};

class Exposure {
  public:
    // width × height: the output size; a supersampling production must draw
    // settings.supersample times that.
    void Init(int width, int height, const ExposureSettings& settings);
    // Draws the frame of music time t and returns it as packed RGB, top row
    // first, width × height × 3 bytes, valid until the next Take.
    const unsigned char* Take(OfflineProduction& production, double t);
    size_t FrameBytes() const { return static_cast<size_t>(width) * height * 3; }

  private:
    // The drawn frame read back at the output size, in either row order.
    const unsigned char* ReadReduced(bool topRowFirst);
    // Adds a frame read bottom row first to the sums, kept top row first.
    void AddTurnedOver(const unsigned char* bottomUp);

    ExposureSettings settings;
    int width = 0;
    int height = 0;
    FrameCapture capture;
    std::vector<unsigned char> reduced; // when supersampling
    std::vector<float> sums;
    std::vector<unsigned char> average;
};
