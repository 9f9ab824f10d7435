#include "piece.h"

#include <algorithm>
#include <cmath>

#include "mixer.h"
#include "score.h"
#include "timeline.h"

namespace {

// 1.5 dB below full scale: lossy encoding adds overshoots of about a decibel.
constexpr float kCeiling = 0.84f;

// The last half second falls to silence so the file ends without a click.
void FadeTail(StereoBuffer& mix) {
    size_t fade = kSampleRate / 2;
    size_t n = mix.Frames();
    for (size_t i = 0; i < std::min(fade, n); ++i) {
        float g = static_cast<float>(i) / fade;
        mix.left[n - 1 - i] *= g;
        mix.right[n - 1 - i] *= g;
    }
}

} // namespace

StereoBuffer RenderPiece() {
    StereoBuffer mix = RenderMix(ComposeScore(), kMusicLength);
    Limit(mix, kCeiling, 0.003, 0.08);
    FadeTail(mix);
    return mix;
}

float Peak(const StereoBuffer& mix) {
    float peak = 0.0f;
    for (size_t i = 0; i < mix.Frames(); ++i)
        peak = std::max({peak, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    return peak;
}
