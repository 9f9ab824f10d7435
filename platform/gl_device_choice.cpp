// The parts of egl_devices.h that need no EGL: the user's choice, the order
// of the devices tried for it, the device list as text. Every OS has them.
#include "platform/egl_devices.h"

#include <cstdlib>

bool ParseGlDeviceChoice(const std::string& text, GlDeviceChoice& choice) {
    if (text == "auto" || text == "software" || text == "surfaceless") {
        choice.kind = text == "auto"       ? GlDeviceChoice::Auto
                      : text == "software" ? GlDeviceChoice::Software
                                           : GlDeviceChoice::Surfaceless;
        return true;
    }
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos)
        return false;
    choice.kind = GlDeviceChoice::Index;
    choice.index = std::atoi(text.c_str());
    return true;
}

std::vector<int> GlDeviceCandidates(const GlDeviceChoice& choice,
                                    const std::vector<GlDeviceInfo>& devices) {
    std::vector<int> order;
    switch (choice.kind) {
    case GlDeviceChoice::Index:
        if (choice.index < static_cast<int>(devices.size()))
            order.push_back(choice.index);
        return order;
    case GlDeviceChoice::Surfaceless:
        order.push_back(kSurfacelessCandidate);
        return order;
    case GlDeviceChoice::Auto:
        for (const GlDeviceInfo& d : devices)
            if (!d.software)
                order.push_back(d.index);
        break;
    case GlDeviceChoice::Software:
        break;
    }
    for (const GlDeviceInfo& d : devices)
        if (d.software)
            order.push_back(d.index);
    order.push_back(kSurfacelessCandidate);
    return order;
}

std::string FormatGlDevices(const std::vector<GlDeviceInfo>& devices) {
    std::string text;
    for (const GlDeviceInfo& d : devices) {
        text += std::to_string(d.index) + "  " + (d.vendor.empty() ? "?" : d.vendor) + "  " +
                (d.software ? "software" : "hardware");
        if (!d.name.empty())
            text += "  " + d.name;
        text += "\n";
    }
    return text;
}
