// A page has no executable on disk: its resources lie in ./resource/ of the
// file system the page fills.
#include "platform/data_dir.h"

std::string RunningExecutablePath() {
    return {};
}
