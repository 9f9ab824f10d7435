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
    const fs::path folder = fs::path(executablePath).parent_path();
    return {(folder / ZENTRAFEL_DATA_FROM_BINDIR).lexically_normal().string(), folder.string()};
}

bool ChangeToDataDirectory(const std::string& executablePath) {
    if (HoldsResources("."))
        return true;
    for (const std::string& candidate : DataDirectoryCandidates(executablePath)) {
        if (HoldsResources(candidate) && MoveInto(candidate))
            return true;
    }
    return false;
}

bool ChangeToDataDirectory() {
    return ChangeToDataDirectory(RunningExecutablePath());
}

std::string RunningExecutablePath() {
#ifdef __linux__
    std::error_code failed;
    const fs::path self = fs::read_symlink("/proc/self/exe", failed);
    if (!failed)
        return self.string();
#endif
    return {};
}
