#include "mixer.h"

#include <cmath>

#include "timeline.h"

void AddEcho(const std::vector<float>& in, StereoBuffer& out, double seconds, float feedback,
             float wet) {
    size_t delay = static_cast<size_t>(std::lround(seconds * kSampleRate));
    std::vector<float> left(in.size(), 0.0f), right(in.size(), 0.0f);
    float toneL = 0.0f, toneR = 0.0f;
    for (size_t i = delay; i < in.size(); ++i) {
        // The left line hears the input and the right line's repeats; the right
        // line hears only the left's: so the echo walks left, right, left...
        float intoLeft = in[i - delay] + right[i - delay] * feedback;
        float intoRight = left[i - delay] * feedback;
        toneL += 0.45f * (intoLeft - toneL);
        toneR += 0.45f * (intoRight - toneR);
        left[i] = toneL;
        right[i] = toneR;
    }
    for (size_t i = 0; i < in.size(); ++i) {
        out.left[i] += left[i] * wet;
        out.right[i] += right[i] * wet;
    }
}
