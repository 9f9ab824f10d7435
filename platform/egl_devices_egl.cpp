#include "platform/egl_devices.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdlib>
#include <cstring>

// Names of newer EGL headers than some systems carry.
#ifndef EGL_RENDERER_EXT
#define EGL_RENDERER_EXT 0x335F
#endif
#ifndef EGL_DRM_RENDER_NODE_FILE_EXT
#define EGL_DRM_RENDER_NODE_FILE_EXT 0x3377
#endif

namespace {

constexpr int kMaxDevices = 16;

PFNEGLGETPLATFORMDISPLAYEXTPROC GetPlatformDisplay() {
    return reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
}

PFNEGLQUERYDEVICESTRINGEXTPROC QueryDeviceString() {
    return reinterpret_cast<PFNEGLQUERYDEVICESTRINGEXTPROC>(
        eglGetProcAddress("eglQueryDeviceStringEXT"));
}

bool HasExtension(const char* list, const char* name) {
    if (!list)
        return false;
    const size_t length = std::strlen(name);
    for (const char* p = std::strstr(list, name); p; p = std::strstr(p + 1, name))
        if ((p == list || p[-1] == ' ') && (p[length] == ' ' || p[length] == '\0'))
            return true;
    return false;
}

bool ClientHasDevices() {
    const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    return HasExtension(client, "EGL_EXT_device_enumeration") &&
           HasExtension(client, "EGL_EXT_platform_device");
}

// The device's own string, or "" where the driver does not offer it (the
// failed query leaves an EGL error, which is cleared).
std::string DeviceString(EGLDeviceEXT device, EGLint name) {
    const char* value = QueryDeviceString()(device, name);
    if (!value) {
        eglGetError();
        return "";
    }
    return value;
}

// The marketing name where the driver tells it, else the DRM device file.
std::string DeviceName(EGLDeviceEXT device) {
    const std::string extensions = DeviceString(device, EGL_EXTENSIONS);
    if (HasExtension(extensions.c_str(), "EGL_EXT_device_query_name")) {
        std::string renderer = DeviceString(device, EGL_RENDERER_EXT);
        if (!renderer.empty())
            return renderer;
    }
    if (HasExtension(extensions.c_str(), "EGL_EXT_device_drm_render_node")) {
        std::string node = DeviceString(device, EGL_DRM_RENDER_NODE_FILE_EXT);
        if (!node.empty())
            return node;
    }
    if (HasExtension(extensions.c_str(), "EGL_EXT_device_drm"))
        return DeviceString(device, EGL_DRM_DEVICE_FILE_EXT);
    return "";
}

} // namespace

std::vector<void*> EnumerateEglDevices() {
    std::vector<void*> devices;
    if (!ClientHasDevices())
        return devices;
    auto query =
        reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    EGLDeviceEXT found[kMaxDevices];
    EGLint count = 0;
    if (!query || !query(kMaxDevices, found, &count))
        return devices;
    devices.assign(found, found + count);
    return devices;
}

void* EglDeviceDisplay(void* device) {
    return GetPlatformDisplay()(EGL_PLATFORM_DEVICE_EXT, device, nullptr);
}

void* EglSurfacelessDisplay() {
    auto getPlatformDisplay = GetPlatformDisplay();
    if (!getPlatformDisplay)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

GlDeviceInfo DescribeEglDevice(void* device, int index) {
    GlDeviceInfo info;
    info.index = index;
    info.software =
        HasExtension(DeviceString(device, EGL_EXTENSIONS).c_str(), "EGL_MESA_device_software");
    info.name = DeviceName(device);
    return info;
}

std::string EglDisplayVendor(void* display) {
    const char* vendor = eglQueryString(display, EGL_VENDOR);
    return vendor ? vendor : "";
}

std::vector<GlDeviceInfo> ListGlDevices() {
    std::vector<GlDeviceInfo> list;
    const std::vector<void*> devices = EnumerateEglDevices();
    for (size_t i = 0; i < devices.size(); ++i) {
        GlDeviceInfo info = DescribeEglDevice(devices[i], static_cast<int>(i));
        // The vendor is the display's: the device is opened for a moment.
        EGLDisplay display = EglDeviceDisplay(devices[i]);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) {
            info.vendor = EglDisplayVendor(display);
            eglTerminate(display);
        } else {
            eglGetError();
            info.vendor = "(does not open)";
        }
        list.push_back(info);
    }
    return list;
}
