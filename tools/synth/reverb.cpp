#include "mixer.h"

#include <array>

namespace {

class Comb {
  public:
    explicit Comb(size_t length) : line_(length, 0.0f) {}
    float Process(float in, float feedback, float damp) {
        float out = line_[pos_];
        filtered_ = out * (1.0f - damp) + filtered_ * damp;
        line_[pos_] = in + filtered_ * feedback;
        if (++pos_ == line_.size())
            pos_ = 0;
        return out;
    }

  private:
    std::vector<float> line_;
    size_t pos_ = 0;
    float filtered_ = 0.0f;
};

class Allpass {
  public:
    explicit Allpass(size_t length) : line_(length, 0.0f) {}
    float Process(float in) {
        float delayed = line_[pos_];
        line_[pos_] = in + delayed * 0.5f;
        if (++pos_ == line_.size())
            pos_ = 0;
        return delayed - in;
    }

  private:
    std::vector<float> line_;
    size_t pos_ = 0;
};

// Delay lengths in samples at 44.1 kHz, mutually prime-ish so the echoes of
// the combs do not pile up on the same instants.
constexpr std::array<size_t, 8> kCombLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<size_t, 4> kAllpassLengths = {556, 441, 341, 225};

void ReverbChannel(const std::vector<float>& in, std::vector<float>& out, size_t spread) {
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
    for (size_t len : kCombLengths)
        combs.emplace_back(len + spread);
    for (size_t len : kAllpassLengths)
        allpasses.emplace_back(len + spread);
    for (size_t i = 0; i < in.size(); ++i) {
        float x = in[i] * 0.015f;
        float sum = 0.0f;
        for (Comb& c : combs)
            sum += c.Process(x, 0.86f, 0.3f);
        for (Allpass& a : allpasses)
            sum = a.Process(sum);
        out[i] += sum;
    }
}

} // namespace

void AddReverb(const std::vector<float>& in, StereoBuffer& out) {
    ReverbChannel(in, out.left, 0);
    ReverbChannel(in, out.right, 23);
}
