// The production's pictures against stored ones: a small still of every
// section, recorded by scripts/record-reference-frames on Mesa's software
// rasteriser. The other pixel tests compare the program with itself (a
// window with a still, leaving passes out with drawing them all); these
// catch a change that alters every path alike, such as a blend function.
#include "tests/render/pictures.h"
#include "tests/support/run_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Relative to the source tree, where the tests run.
const std::string kReference = "tests/render/reference";

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The Debian package of Mesa's drivers, as the recording names it.
std::string InstalledMesa() {
    const CommandResult r =
        RunCommand({"dpkg-query", "-W", "-f", "${Version}\\n", "libgl1-mesa-dri"});
    return r.status == 0 ? FirstLine(r.out) : "unknown";
}

// The stored stills' names, which are their music times ("005.000.png").
std::vector<std::string> ReferenceNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kReference))
        if (entry.path().extension() == ".png")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int DifferingPixels(const Picture& a, const Picture& b) {
    int differing = 0;
    for (size_t i = 0; i + 2 < a.rgb.size() && i + 2 < b.rgb.size(); i += 3)
        differing += !std::equal(&a.rgb[i], &a.rgb[i] + 3, &b.rgb[i]);
    return differing;
}

} // namespace

TEST(ReferenceFrames, EverySectionDrawsItsRecordedPicture) {
    const std::vector<std::string> names = ReferenceNames();
    ASSERT_GE(names.size(), 6u) << "a still of each section at least, in " << kReference;
    std::string times;
    for (const std::string& name : names)
        times += (times.empty() ? "" : ",") + name.substr(0, name.size() - 4);

    const std::string out = MakeTempDir();
    const CommandResult r = RunCommand({ZENTRAFEL_RENDER, "--at", times, "--size", "160x90",
                                        "--device", "software", "--out", out});
    ASSERT_EQ(r.status, 0) << r.err;

    const std::string recorded = FirstLine(ReadFile(kReference + "/mesa-version"));
    const std::string installed = InstalledMesa();
    EXPECT_FALSE(recorded.empty()) << kReference << "/mesa-version names no Mesa";
    const std::string mesa = recorded == installed
                                 ? ""
                                 : "; recorded with Mesa " + recorded + ", drawn with Mesa " +
                                       installed + " (scripts/record-reference-frames)";
    for (const std::string& name : names) {
        const Picture expected = LoadPng(kReference + "/" + name);
        const Picture drawn = LoadPng(out + "/" + name);
        ASSERT_EQ(drawn.width, 160) << name;
        ASSERT_EQ(expected.width, 160) << name;
        EXPECT_TRUE(drawn.rgb == expected.rgb)
            << name << ": " << DifferingPixels(drawn, expected) << " pixels differ" << mesa;
    }
}
