#include "tools/render/exposure.h"

#include "tools/render/box_reduce.h"

#include <algorithm>

void Exposure::Init(int w, int h, const ExposureSettings& s) {
    settings = s;
    width = w;
    height = h;
    const int n = settings.supersample;
    // Supersampled frames are read as the framebuffer holds them (RGBA) and
    // reduced to RGB in one pass.
    capture.Init(w * n, h * n, n > 1 ? 4 : 3);
    const size_t bytes = static_cast<size_t>(w) * h * 3;
    if (n > 1)
        reduced.assign(bytes, 0);
    if (settings.subframes > 1) {
        sums.assign(bytes, 0.0f);
        average.assign(bytes, 0);
    }
}

const unsigned char* Exposure::ReadReduced(bool topRowFirst) {
    const int n = settings.supersample;
    const unsigned char* drawn = capture.ReadBottomUp();
    if (n == 1)
        return drawn;
    // GL gives the bottom row first: read upwards from the last row to put
    // the top first.
    const long stride = static_cast<long>(width) * n * 4;
    const unsigned char* first = topRowFirst ? drawn + (height * n - 1) * stride : drawn;
    BoxReduce(first, topRowFirst ? -stride : stride, 4, n, width, height, reduced.data(),
              width * 3);
    return reduced.data();
}

void Exposure::AddTurnedOver(const unsigned char* bottomUp) {
    const size_t stride = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        const unsigned char* from = bottomUp + (height - 1 - y) * stride;
        float* to = &sums[y * stride];
        for (size_t i = 0; i < stride; ++i)
            to[i] += from[i];
    }
}

const unsigned char* Exposure::Take(OfflineProduction& production, double t) {
    if (settings.subframes <= 1) {
        production.DrawFrameAt(t);
        return settings.supersample == 1 ? capture.Read() : ReadReduced(true);
    }
    std::fill(sums.begin(), sums.end(), 0.0f);
    // The shutter opens at t, and subframe k stands for the k-th equal part
    // of the time it stays open.
    const double parts = static_cast<double>(settings.fps) * settings.subframes;
    for (int k = 0; k < settings.subframes; ++k) {
        production.DrawFrameAt(t + settings.shutter * k / parts);
        AddTurnedOver(ReadReduced(false));
    }
    const size_t bytes = sums.size();
    // Sums of at most 64 bytes are exact in a float; the rounded mean of
    // whole numbers lies between their least and greatest.
    const float scale = 1.0f / settings.subframes;
    for (size_t i = 0; i < bytes; ++i)
        average[i] = static_cast<unsigned char>(sums[i] * scale + 0.5f);
    return average.data();
}
