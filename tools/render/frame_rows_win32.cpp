// The rows of a frame written on Windows, which has no writev: one write per
// row, each resumed after a short write.
#include "tools/render/frame_writer.h"

#include <io.h>

bool WriteRowsReversed(int fd, const unsigned char* bottomUp, size_t rowBytes, int rows) {
    for (int row = rows - 1; row >= 0; --row) {
        const unsigned char* data = bottomUp + size_t(row) * rowBytes;
        size_t left = rowBytes;
        while (left > 0) {
            const int n = _write(fd, data, unsigned(left));
            if (n <= 0)
                return false;
            data += n;
            left -= size_t(n);
        }
    }
    return true;
}
