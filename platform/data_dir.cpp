#include "platform/data_dir.h"

#include <filesystem>
#include <system_error>

#ifndef ZENTRAFEL_DATA_FROM_BINDIR
// The install layout's default: bin/ beside share/zentrafel/.
#define ZENTRAFEL_DATA_FROM_BINDIR "../share/zentrafel"
#endif

namespace fs = std::filesystem;

namespace {

bool HoldsResources(const fs::path& folder) {
    std::error_code failed;
    return fs::is_directory(folder / "resource", failed);
}

bool MoveInto(const fs::path& folder) {
    std::error_code failed;
    fs::current_path(folder, failed);
    return !failed;
}

} // namespace

std::vector<std::string> DataDirectoryCandidates(const std::string& executablePath) {
    if (executablePath.empty())
        return {};
    // UTF-8 both ways, so that a Windows folder name outside the ANSI code
    // page survives.
    const fs::path folder = fs::u8path(executablePath).parent_path();
    return {(folder / ZENTRAFEL_DATA_FROM_BINDIR).lexically_normal().u8string(), folder.u8string()};
}

bool ChangeToDataDirectory(const std::string& executablePath) {
    if (HoldsResources("."))
        return true;
    for (const std::string& candidate : DataDirectoryCandidates(executablePath)) {
        const fs::path folder = fs::u8path(candidate);
        if (HoldsResources(folder) && MoveInto(folder))
            return true;
    }
    return false;
}

bool ChangeToDataDirectory() {
    return ChangeToDataDirectory(RunningExecutablePath());
}
