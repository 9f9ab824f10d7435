#include "platform/line_output.h"

// Microsoft's C runtime takes _IOLBF for full buffering, so a line would wait
// in the buffer; unbuffered, each print is written as it is made.
void DeliverLinesAtOnce(std::FILE* stream) {
    std::setvbuf(stream, nullptr, _IONBF, 0);
}
