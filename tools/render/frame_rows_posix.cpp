// The rows of a frame written with writev on POSIX systems.
#include "tools/render/frame_writer.h"

#include <sys/uio.h>

#include <algorithm>
#include <cerrno>

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

