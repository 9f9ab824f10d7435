#include "mixer.h"

#include <cmath>

#include "echo.h"
#include "instruments.h"
#include "timeline.h"

ChannelSettings SettingsFor(Voice v) {
  switch (v) {
    case Voice::Kick: return {0.95f, 0.02f, 0.0f};
    case Voice::Snare: return {0.32f, 0.25f, 0.0f};
    case Voice::Hat: return {0.10f, 0.05f, 0.0f};
    case Voice::OpenHat: return {0.08f, 0.10f, 0.0f};
    case Voice::Crash: return {0.12f, 0.25f, 0.0f};
    case Voice::Bass: return {0.42f, 0.0f, 0.0f};
    case Voice::Lead: return {0.16f, 0.30f, 0.25f};
    case Voice::Arp: return {0.12f, 0.20f, 0.35f};
    case Voice::Pad: return {0.10f, 0.40f, 0.0f};
    case Voice::Riser: return {0.10f, 0.30f, 0.0f};
  }
  return {0.0f, 0.0f, 0.0f};
}

namespace {

void AddNote(const Note& n, StereoBuffer& dry, std::vector<float>& reverb, std::vector<float>& echo) {
  Samples s = Synthesise(n);
  ChannelSettings ch = SettingsFor(n.voice);
  // Equal-power pan keeps a note equally loud wherever it sits.
  double angle = (n.pan + 1.0) * 0.25 * 3.14159265358979323846;
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

}  // namespace

StereoBuffer RenderMix(const Score& score, double seconds) {
  size_t frames = static_cast<size_t>(std::ceil(seconds * kSampleRate));
  StereoBuffer mix(frames);
  std::vector<float> reverb(frames, 0.0f), echo(frames, 0.0f);
  for (const Note& n : score) AddNote(n, mix, reverb, echo);
  AddReverb(reverb, mix, 1.0f);
  AddEcho(echo, mix, 0.36, 0.4f, 0.6f);
  return mix;
}

void Master(StereoBuffer& mix, float gain) {
  // Below the knee the signal passes unchanged; above it the excess is
  // squeezed by tanh into the last 10 % of full scale.
  const float knee = 0.85f;
  auto limit = [knee](float x) {
    float a = std::fabs(x);
    if (a <= knee) return x;
    float over = (a - knee) / (1.0f - knee);
    return std::copysign(knee + (1.0f - knee) * 0.98f * std::tanh(over), x);
  };
  for (size_t i = 0; i < mix.Frames(); ++i) {
    mix.left[i] = limit(mix.left[i] * gain);
    mix.right[i] = limit(mix.right[i] * gain);
  }
}
