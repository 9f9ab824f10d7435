#include "platform/egl_devices.h"

#include <gtest/gtest.h>

namespace {

GlDeviceChoice Choice(const char* text) {
    GlDeviceChoice choice;
    EXPECT_TRUE(ParseGlDeviceChoice(text, choice)) << text;
    return choice;
}

// Two GPUs around Mesa's software device, as EGL may list them.
std::vector<GlDeviceInfo> Machine() {
    return {{0, false, "NVIDIA", "/dev/dri/renderD128"},
            {1, true, "Mesa Project", ""},
            {2, false, "NVIDIA", "/dev/dri/renderD129"}};
}

} // namespace

TEST(GlDeviceChoice, ParsesNamesAndIndices) {
    EXPECT_EQ(Choice("auto").kind, GlDeviceChoice::Auto);
    EXPECT_EQ(Choice("software").kind, GlDeviceChoice::Software);
    EXPECT_EQ(Choice("surfaceless").kind, GlDeviceChoice::Surfaceless);
    EXPECT_EQ(Choice("12").index, 12);
    GlDeviceChoice choice;
    for (const char* bad : {"", "-1", "+1", "1.5", "gpu", "Auto", "1x", "99999"})
        EXPECT_FALSE(ParseGlDeviceChoice(bad, choice)) << bad;
}

TEST(GlDeviceCandidates, AutoTriesHardwareFirstThenSoftwareThenSurfaceless) {
    EXPECT_EQ(GlDeviceCandidates(Choice("auto"), Machine()),
              (std::vector<int>{0, 2, 1, kSurfacelessCandidate}));
    EXPECT_EQ(GlDeviceCandidates(Choice("software"), Machine()),
              (std::vector<int>{1, kSurfacelessCandidate}));
    EXPECT_EQ(GlDeviceCandidates(Choice("surfaceless"), Machine()),
              (std::vector<int>{kSurfacelessCandidate}));
    // Without device enumeration only the surfaceless platform is left.
    EXPECT_EQ(GlDeviceCandidates(Choice("auto"), {}), (std::vector<int>{kSurfacelessCandidate}));
}

TEST(GlDeviceCandidates, AnIndexIsThatDeviceOrNone) {
    EXPECT_EQ(GlDeviceCandidates(Choice("2"), Machine()), (std::vector<int>{2}));
    EXPECT_TRUE(GlDeviceCandidates(Choice("3"), Machine()).empty()) << "no fallback";
}

TEST(GlDevices, ListOneLineEach) {
    EXPECT_EQ(FormatGlDevices(Machine()), "0  NVIDIA  hardware  /dev/dri/renderD128\n"
                                          "1  Mesa Project  software\n"
                                          "2  NVIDIA  hardware  /dev/dri/renderD129\n");
}

// Mesa's software device is listed once, beside any GPU.
TEST(GlDevices, ThisMachineListsMesasSoftwareDevice) {
    const std::vector<GlDeviceInfo> devices = ListGlDevices();
    ASSERT_FALSE(devices.empty()) << "the EGL library offers no device enumeration";
    int software = 0;
    for (const GlDeviceInfo& d : devices) {
        software += d.software;
        if (d.software) {
            EXPECT_EQ(d.vendor, "Mesa Project");
        }
    }
    EXPECT_EQ(software, 1);
}
