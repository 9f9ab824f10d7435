// zf_synth: composes and renders the production's music, and measures it.
//
//   zf_synth render OUT.ogg     writes the piece as Ogg Vorbis (44.1 kHz stereo)
//   zf_synth analyse IN.ogg     prints the spectrum band levels per section
//   zf_synth levels             the same for a fresh render, without encoding
//
// Rendering is deterministic: the same program writes the same file.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "band_levels.h"
#include "mixer.h"
#include "ogg_reader.h"
#include "score.h"
#include "timeline.h"
#include "tools/signal/ogg_writer.h"

namespace {

constexpr float kVorbisQuality = 0.5f;

// Largest absolute sample of either channel.
float Peak(const StereoBuffer& mix) {
    float peak = 0.0f;
    for (size_t i = 0; i < mix.Frames(); ++i)
        peak = std::max({peak, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    return peak;
}

int Render(const std::string& path) {
    auto begin = std::chrono::steady_clock::now();
    StereoBuffer mix = RenderMix(ComposeScore(), kMusicLength);
    auto rendered = std::chrono::steady_clock::now();
    OggShape shape{kSampleRate, 2, int64_t(mix.Frames()), kVorbisQuality};
    const SampleFunction sample = [&mix](int64_t frame, int channel) {
        return (channel == 0 ? mix.left : mix.right)[size_t(frame)];
    };
    if (!WriteOgg(path, shape, sample, "zentrafel")) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    auto encoded = std::chrono::steady_clock::now();
    using Seconds = std::chrono::duration<double>;
    std::printf("wrote %s: %.2f s, peak %.3f; synthesis %.1f s, encoding %.1f s\n", path.c_str(),
                static_cast<double>(mix.Frames()) / kSampleRate, Peak(mix),
                Seconds(rendered - begin).count(), Seconds(encoded - rendered).count());
    return 0;
}

void PrintSectionLevels(const std::vector<float>& mono, int sampleRate) {
    std::printf("band means read 60 times a second: p10 median p90 max, and the median of the\n"
                "per-beat peaks; last column: share of mid readings within 0.01-0.15\n");
    std::printf("%-10s | %-37s | %-37s |\n", "section", "low: bins 0-2", "mid: bins 4-13");
    for (const Section& s : kSections) {
        SectionLevels l =
            MeasureSpan(mono, sampleRate, s.name, s.start, s.end, 1.0 / 60.0, BeatLength(s));
        std::printf(
            "%-10s | %.3f %.3f %.3f %.3f  beat %.3f | %.3f %.3f %.3f %.3f  beat %.3f | %3.0f%%\n",
            l.name.c_str(), l.low.p10, l.low.median, l.low.p90, l.low.max, l.lowBeatPeak, l.mid.p10,
            l.mid.median, l.mid.p90, l.mid.max, l.midBeatPeak, 100.0f * l.midInRange);
    }
}

int Analyse(const std::string& path) {
    DecodedAudio audio;
    if (!ReadOggVorbis(path, audio)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %d channels, %ld Hz, %.3f s\n", path.c_str(), audio.channels, audio.sampleRate,
                static_cast<double>(audio.Frames()) / audio.sampleRate);
    PrintSectionLevels(MonoMix(audio.interleaved, audio.channels),
                       static_cast<int>(audio.sampleRate));
    return 0;
}

int Levels() {
    StereoBuffer mix = RenderMix(ComposeScore(), kMusicLength);
    std::vector<float> mono(mix.Frames());
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = 0.5f * (mix.left[i] + mix.right[i]);
    std::printf("peak %.3f\n", Peak(mix));
    PrintSectionLevels(mono, kSampleRate);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "render") == 0)
        return Render(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "analyse") == 0)
        return Analyse(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "levels") == 0)
        return Levels();
    std::fprintf(stderr, "usage: %s render OUT.ogg | analyse IN.ogg | levels\n", argv[0]);
    return 2;
}
