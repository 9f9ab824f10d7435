// The running program's path on Windows, from GetModuleFileNameW, in UTF-8.
#include "platform/data_dir.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>
#include <vector>

std::string RunningExecutablePath() {
    // A path may exceed MAX_PATH; the buffer grows until the name fits.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return std::filesystem::path(std::wstring(name.data(), length)).u8string();
        name.resize(name.size() * 2);
    }
}
