#include "tools/render/frame_capture.h"

#include <GL/glew.h>

#include <cstring>

void FrameCapture::Init(int w, int h, int c) {
    width = w;
    height = h;
    channels = c;
    bottomUp.resize(static_cast<size_t>(w) * h * c);
    topDown.resize(c == 3 ? bottomUp.size() : 0);
}

const unsigned char* FrameCapture::ReadBottomUp() {
    // Rows packed without padding; restored so the scenes see GL's default.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return bottomUp.data();
}

const unsigned char* FrameCapture::Read() {
    ReadBottomUp();
    size_t stride = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(&topDown[y * stride], &bottomUp[(height - 1 - y) * stride], stride);
    return topDown.data();
}
