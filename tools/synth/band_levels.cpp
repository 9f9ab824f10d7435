#include "band_levels.h"

#include <algorithm>
#include <cmath>

std::vector<float> MonoMix(const std::vector<float>& interleaved, int channels) {
    std::vector<float> mono(interleaved.size() / channels);
    for (size_t i = 0; i < mono.size(); ++i) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c)
            sum += interleaved[i * channels + c];
        mono[i] = sum / channels;
    }
    return mono;
}

namespace {

struct Tables {
    std::array<float, kFftFrames> window, cosine, sine;
    Tables() {
        const double pi = std::acos(-1.0);
        for (int n = 0; n < kFftFrames; ++n) {
            double angle = 2.0 * pi * n / kFftFrames;
            window[n] = static_cast<float>(0.5 - 0.5 * std::cos(angle));
            cosine[n] = static_cast<float>(std::cos(angle));
            sine[n] = static_cast<float>(std::sin(angle));
        }
    }
};

// Median of the per-beat maxima of readings taken every `step` seconds.
float MedianBeatPeak(const std::vector<float>& readings, double step, double beatLength) {
    std::vector<float> peaks;
    for (size_t i = 0; i < readings.size(); ++i) {
        size_t beat = static_cast<size_t>(i * step / beatLength);
        if (beat >= peaks.size())
            peaks.resize(beat + 1, 0.0f);
        peaks[beat] = std::max(peaks[beat], readings[i]);
    }
    return Summarise(peaks).median;
}

} // namespace

Spectrum SpectrumAt(const std::vector<float>& mono, long endFrame) {
    static const Tables t;
    std::array<float, kFftFrames> x{};
    long first = endFrame - kFftFrames;
    for (int n = 0; n < kFftFrames; ++n) {
        long at = first + n;
        if (at >= 0 && at < static_cast<long>(mono.size()))
            x[n] = mono[at] * t.window[n];
    }
    // A direct transform is fast enough for a few thousand readings and has no
    // plan to manage; the angle index wraps modulo the frame count.
    Spectrum out{};
    for (int k = 0; k < kFftBins; ++k) {
        double re = 0.0, im = 0.0;
        for (int n = 0; n < kFftFrames; ++n) {
            int idx = (k * n) % kFftFrames;
            re += x[n] * t.cosine[idx];
            im -= x[n] * t.sine[idx];
        }
        out[k] = static_cast<float>(std::hypot(re, im) / (kFftFrames / 2));
    }
    return out;
}

float BandMean(const Spectrum& s, int first, int last) {
    float sum = 0.0f;
    for (int k = first; k <= last; ++k)
        sum += s[k];
    return sum / (last - first + 1);
}

BandSummary Summarise(std::vector<float>& readings) {
    if (readings.empty())
        return {};
    std::sort(readings.begin(), readings.end());
    auto at = [&](double q) { return readings[static_cast<size_t>(q * (readings.size() - 1))]; };
    return {at(0.1), at(0.5), at(0.9), readings.back()};
}

SectionLevels MeasureSpan(const std::vector<float>& mono, int sampleRate, const std::string& name,
                          double start, double end, double step, double beatLength) {
    std::vector<float> low, mid;
    int inRange = 0;
    for (double t = start; t < end; t += step) {
        Spectrum s = SpectrumAt(mono, std::lround(t * sampleRate));
        low.push_back(BandMean(s, 0, 2));
        mid.push_back(BandMean(s, 4, 13));
        if (mid.back() >= 0.01f && mid.back() <= 0.15f)
            ++inRange;
    }
    SectionLevels levels;
    levels.name = name;
    levels.midInRange = mid.empty() ? 0.0f : static_cast<float>(inRange) / mid.size();
    levels.lowBeatPeak = MedianBeatPeak(low, step, beatLength);
    levels.midBeatPeak = MedianBeatPeak(mid, step, beatLength);
    levels.low = Summarise(low);
    levels.mid = Summarise(mid);
    return levels;
}
