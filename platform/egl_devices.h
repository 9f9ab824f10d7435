// The EGL devices a headless context can be opened on (EGL device
// enumeration), and which of them the user asked for. A machine with a GPU
// lists its hardware device(s); Mesa adds its software device (llvmpipe). The
// device list is read once per call and is not cached; nothing here makes a
// context current.
#pragma once

#include <string>
#include <vector>

struct GlDeviceChoice {
    enum Kind {
        Auto,        // the first hardware device that opens, else software
        Software,    // Mesa's software device, else its surfaceless platform
        Surfaceless, // Mesa's surfaceless platform, no device enumeration
        Index,       // device `index` of the enumeration
    };
    Kind kind = Auto;
    int index = 0;
};

// "auto", "software", "surfaceless" or a device index ("0", "1", ...).
bool ParseGlDeviceChoice(const std::string& text, GlDeviceChoice& choice);

struct GlDeviceInfo {
    int index = 0;
    bool software = false;
    // What the device says of itself: its EGL vendor (the driver) and, where
    // the driver tells, its name or device file.
    std::string vendor;
    std::string name;
};

// Every device EGL enumerates, in its order; empty when the EGL library
// offers no device enumeration.
std::vector<GlDeviceInfo> ListGlDevices();

// One line per device for --list-devices: "0  NVIDIA  hardware  /dev/dri/card1".
std::string FormatGlDevices(const std::vector<GlDeviceInfo>& devices);

// The order in which a context is tried on the devices for `choice`: device
// indices, with kSurfacelessCandidate for Mesa's surfaceless platform. Auto:
// hardware devices in EGL's order, then software ones, then surfaceless.
constexpr int kSurfacelessCandidate = -1;
std::vector<int> GlDeviceCandidates(const GlDeviceChoice& choice,
                                    const std::vector<GlDeviceInfo>& devices);

// For HeadlessGl. EGL handles are passed as void* so that this header needs
// no EGL header. The displays are not initialised.
std::vector<void*> EnumerateEglDevices();
void* EglDeviceDisplay(void* device);
void* EglSurfacelessDisplay();
GlDeviceInfo DescribeEglDevice(void* device, int index); // vendor left empty
std::string EglDisplayVendor(void* initialisedDisplay);
