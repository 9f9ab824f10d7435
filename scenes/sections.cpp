#include "scenes/sections.h"

#include "scenes/timeline.h"

#include <iterator>

namespace {

// The closing replays the opening on music time, so its origin is 0.
const Section kSections[] = {
    {"opening", 0.0, 0.0, LineFieldScene},
    {"title", kTitleStart, kTitleStart, AnimatedTitleScene},
    {"wave grid", kGridStart, kGridStart, WaveGridScene},
    {"greetings", kGreetingsStart, kGreetingsStart, GreetingsScene},
    {"closing", kClosingStart, 0.0, ClosingScene},
    {"credits", kCreditsStart, kCreditsStart, CreditsScene},
};
constexpr int kCount = static_cast<int>(std::size(kSections));

} // namespace

const Section* Sections(size_t& count) {
    count = std::size(kSections);
    return kSections;
}

int SectionAt(double t) {
    // A negative or NaN time fails the first test and belongs to no section.
    if (!(t >= 0.0))
        return -1;
    for (int i = 0; i + 1 < kCount; ++i)
        if (t <= kSections[i + 1].start)
            return i;
    return kCount - 1;
}

void RenderFrame(Production& production, const FrameInput& input) {
    const int index = SectionAt(input.time);
    if (index < 0)
        return;
    const Section& section = kSections[index];
    const SceneFrame frame{input.time - section.origin, input.spectrum};
    for (const Pass& pass : section.scene())
        pass.draw(production, frame);
}
