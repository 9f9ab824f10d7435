// The piped process on POSIX systems: posix_spawnp, write(2) and writev(2).
#include "platform/piped_process.h"

#include "platform/report.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

bool FindOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t colon = dirs.find(':', start);
        std::string dir = dirs.substr(start, colon - start);
        std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return false;
}

PipedProcess::~PipedProcess() {
    if (fd >= 0 || child > 0)
        Finish();
}

bool PipedProcess::Start(const std::vector<std::string>& arguments) {
    name = arguments.at(0);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        Report("no pipe to %s: %s", name.c_str(), std::strerror(errno));
        return false;
    }
    // A write after the program has quit must fail with EPIPE, not end us
    // silently.
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& a : copies)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (failed) {
        Report("cannot start %s: %s", name.c_str(), std::strerror(failed));
        close(ends[1]);
        return false;
    }
    child = pid;
    fd = ends[1];
    return true;
}

bool PipedProcess::Finish() {
    if (fd >= 0)
        close(fd);
    fd = -1;
    if (child <= 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    child = -1;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    if (WIFEXITED(status))
        Report("%s failed with status %d", name.c_str(), WEXITSTATUS(status));
    else
        Report("%s was ended by a signal", name.c_str());
    return false;
}

bool WriteToPipe(int fd, const unsigned char* bytes, size_t count) {
    while (count > 0) {
        ssize_t n = write(fd, bytes, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        count -= static_cast<size_t>(n);
    }
    return true;
}

namespace {

// Rows per writev; well under every system's IOV_MAX.
constexpr int kRowsPerCall = 256;

// Writes the iovecs whole, resuming after a short write.
bool WriteAll(int fd, iovec* parts, int count) {
    while (count > 0) {
        ssize_t n = writev(fd, parts, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        size_t done = static_cast<size_t>(n);
        while (count > 0 && done >= parts->iov_len) {
            done -= parts->iov_len;
            ++parts;
            --count;
        }
        if (count > 0) {
            parts->iov_base = static_cast<char*>(parts->iov_base) + done;
            parts->iov_len -= done;
        }
    }
    return true;
}

} // namespace

bool WriteRowsReversed(int fd, const unsigned char* bottomUp, size_t rowBytes, int rows) {
    iovec parts[kRowsPerCall];
    for (int top = 0; top < rows; top += kRowsPerCall) {
        const int count = std::min(kRowsPerCall, rows - top);
        for (int i = 0; i < count; ++i) {
            const int row = rows - 1 - (top + i);
            parts[i].iov_base = const_cast<unsigned char*>(bottomUp + row * rowBytes);
            parts[i].iov_len = rowBytes;
        }
        if (!WriteAll(fd, parts, count))
            return false;
    }
    return true;
}
