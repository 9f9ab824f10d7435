// The running program's path on Linux: the link /proc/self/exe.
#include "platform/data_dir.h"

#include <filesystem>
#include <system_error>

std::string RunningExecutablePath() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (!failed)
        return self.string();
    return {};
}
