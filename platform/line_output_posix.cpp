#include "platform/line_output.h"

void DeliverLinesAtOnce(std::FILE* stream) {
    std::setvbuf(stream, nullptr, _IOLBF, BUFSIZ);
}
