#include "tools/render/exposure.h"

#include <algorithm>

void Exposure::Init(int w, int h, const ExposureSettings& s) {
    settings = s;
    width = w;
    height = h;
    capture.Init(w, h);
    if (settings.subframes > 1) {
        sums.assign(capture.FrameBytes(), 0.0f);
        average.assign(capture.FrameBytes(), 0);
    }
}

double Exposure::SubframeTime(double t, int k) const {
    return t + settings.shutter * k / (static_cast<double>(settings.fps) * settings.subframes);
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
        return capture.Read();
    }
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (int k = 0; k < settings.subframes; ++k) {
        production.DrawFrameAt(SubframeTime(t, k));
        AddTurnedOver(capture.ReadBottomUp());
    }
    const size_t bytes = sums.size();
    // Sums of at most 64 bytes are exact in a float; the rounded mean of
    // whole numbers lies between their least and greatest.
    const float scale = 1.0f / settings.subframes;
    for (size_t i = 0; i < bytes; ++i)
        average[i] = static_cast<unsigned char>(sums[i] * scale + 0.5f);
    return average.data();
}
