#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "dsp.h"
#include "instruments.h"
#include "timeline.h"

namespace {

struct Channel {
    float gain;
    float reverbSend;
    float echoSend;
};

// One channel per voice, in the order of Voice.
constexpr Channel kChannels[] = {
    {0.85f, 0.02f, 0.0f},  // kick
    {0.50f, 0.25f, 0.0f},  // snare
    {0.10f, 0.05f, 0.0f},  // hat
    {0.08f, 0.10f, 0.0f},  // open hat
    {0.12f, 0.25f, 0.0f},  // crash
    {0.42f, 0.0f, 0.0f},   // bass
    {0.60f, 0.30f, 0.25f}, // lead
    {0.80f, 0.20f, 0.35f}, // arp
    {0.10f, 0.40f, 0.0f},  // pad
    {0.10f, 0.30f, 0.0f},  // riser
};
static_assert(std::size(kChannels) == kVoiceCount);

// 1.5 dB below full scale: lossy encoding adds overshoots of about a decibel.
constexpr float kCeiling = 0.84f;

void AddNote(const Note& n, StereoBuffer& dry, std::vector<float>& reverb,
             std::vector<float>& echo) {
    Samples s = Synthesise(n);
    const Channel& ch = kChannels[static_cast<int>(n.voice)];
    // Equal-power pan keeps a note equally loud wherever it sits.
    double angle = (n.pan + 1.0) * 0.25 * kPi;
    float gl = static_cast<float>(std::cos(angle) * std::sqrt(2.0)) * ch.gain;
    float gr = static_cast<float>(std::sin(angle) * std::sqrt(2.0)) * ch.gain;
    size_t first = static_cast<size_t>(std::lround(n.start * kSampleRate));
    for (size_t i = 0; i < s.size() && first + i < dry.Frames(); ++i) {
        size_t at = first + i;
        dry.left[at] += s[i] * gl;
        dry.right[at] += s[i] * gr;
        reverb[at] += s[i] * ch.gain * ch.reverbSend;
        echo[at] += s[i] * ch.gain * ch.echoSend;
    }
}

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

StereoBuffer RenderMix(const Score& score, double seconds) {
    size_t frames = static_cast<size_t>(std::ceil(seconds * kSampleRate));
    StereoBuffer music(frames), kick(frames);
    std::vector<float> reverb(frames, 0.0f), echo(frames, 0.0f);
    for (const Note& n : score)
        AddNote(n, n.voice == Voice::Kick ? kick : music, reverb, echo);
    AddReverb(reverb, music);
    AddEcho(echo, music, 0.36, 0.4f, 0.6f);
    std::vector<float> duck = KickDucking(score, frames, 0.5f, 0.09);
    for (size_t i = 0; i < frames; ++i) {
        music.left[i] = music.left[i] * duck[i] + kick.left[i];
        music.right[i] = music.right[i] * duck[i] + kick.right[i];
    }
    Limit(music, kCeiling, 0.003, 0.08);
    FadeTail(music);
    return music;
}
