// The music must change exactly where the picture cuts, and its dynamics
// must follow what the picture does around those cuts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "score.h"
#include "timeline.h"

namespace {

bool IsDrum(Voice v) {
    return v == Voice::Kick || v == Voice::Snare || v == Voice::Hat || v == Voice::OpenHat ||
           v == Voice::Crash;
}

TEST(Timeline, SectionsStartOnThePicturesCuts) {
    const auto& s = kSections;
    EXPECT_EQ(s[kOpening].start, 0.0);
    EXPECT_EQ(s[kTitle].start, 42.6);
    EXPECT_EQ(s[kWaveGrid].start, 64.6);
    EXPECT_EQ(s[kGreetings].start, 85.6);
    EXPECT_EQ(s[kClosing].start, 149.0);
    EXPECT_EQ(s[kOutro].start, 171.0);
    for (int i = 0; i + 1 < kSectionCount; ++i)
        EXPECT_EQ(s[i].end, s[i + 1].start) << s[i].name;
}

TEST(Timeline, EverySectionHoldsWholeBarsAtADanceTempo) {
    for (const Section& s : kSections) {
        EXPECT_NEAR(BeatTime(s, s.bars * kBeatsPerBar), s.end, 1e-9) << s.name;
        double bpm = 60.0 / BeatLength(s);
        EXPECT_GE(bpm, 118.0) << s.name;
        EXPECT_LE(bpm, 128.0) << s.name;
    }
}

TEST(Timeline, PieceOutlastsTheCreditsWithinTheAllowedLength) {
    EXPECT_GE(kMusicLength, 190.0);
    EXPECT_LE(kMusicLength, 195.0);
    EXPECT_GE(kMusicLength, kSections[kOutro].end);
}

TEST(Score, NotesLieInsideThePiece) {
    Score score = ComposeScore();
    ASSERT_FALSE(score.empty());
    for (const Note& n : score) {
        EXPECT_GE(n.start, 0.0);
        EXPECT_LT(n.start + n.length, kMusicLength);
        EXPECT_GT(n.velocity, 0.0f);
        EXPECT_LE(n.velocity, 1.0f);
        EXPECT_GE(n.pan, -1.0f);
        EXPECT_LE(n.pan, 1.0f);
    }
}

TEST(Score, EachCutIsMarkedByACrashAndADownbeat) {
    Score score = ComposeScore();
    for (int i : {kTitle, kWaveGrid, kGreetings, kClosing}) {
        double cut = kSections[i].start;
        auto at = [&](Voice v) {
            return std::any_of(score.begin(), score.end(), [&](const Note& n) {
                return n.voice == v && std::fabs(n.start - cut) < 1e-9;
            });
        };
        EXPECT_TRUE(at(Voice::Crash)) << kSections[i].name;
        EXPECT_TRUE(at(Voice::Pad)) << kSections[i].name;
    }
}

TEST(Score, OpeningStaysQuietThroughTheFadeIn) {
    // The picture fades in over 10 s: no drums for the first 7 s, and only
    // half-time kicks (two beats apart or more) until the fade is over.
    Score score = ComposeScore();
    std::vector<double> kicks;
    for (const Note& n : score) {
        if (IsDrum(n.voice)) {
            EXPECT_GT(n.start, 7.0);
        }
        if (n.voice == Voice::Kick && n.start < 10.0)
            kicks.push_back(n.start);
    }
    ASSERT_FALSE(kicks.empty());
    std::sort(kicks.begin(), kicks.end());
    for (size_t i = 1; i < kicks.size(); ++i)
        EXPECT_GE(kicks[i] - kicks[i - 1], 2.0 * BeatLength(kSections[kOpening]) - 1e-9);
}

TEST(Score, DrumsRestWhileThePictureFadesToBlack) {
    Score score = ComposeScore();
    for (const Note& n : score) {
        if (n.voice != Voice::Kick && n.voice != Voice::Snare)
            continue;
        EXPECT_FALSE(n.start > 61.7 && n.start < 64.6) << "title fade, " << n.start;
        EXPECT_FALSE(n.start > 169.0 && n.start < 171.0) << "closing fade, " << n.start;
    }
}

TEST(Score, OutroUnderTheCreditsHasNoDrums) {
    Score score = ComposeScore();
    int tonal = 0;
    for (const Note& n : score) {
        if (n.start < kSections[kOutro].start)
            continue;
        EXPECT_FALSE(IsDrum(n.voice)) << n.start;
        ++tonal;
    }
    EXPECT_GT(tonal, 20);
}

} // namespace
