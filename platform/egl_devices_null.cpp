// Where there is no EGL (Windows): no devices to enumerate; the headless
// context is made another way (headless_gl_win32.cpp).
#include "platform/egl_devices.h"

std::vector<void*> EnumerateEglDevices() {
    return {};
}

std::vector<GlDeviceInfo> ListGlDevices() {
    return {};
}
