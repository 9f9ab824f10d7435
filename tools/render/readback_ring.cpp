#include "tools/render/readback_ring.h"

bool ReadbackRing::Init(int w, int h) {
    Destroy();
    if (!GLEW_VERSION_2_1 && !GLEW_ARB_pixel_buffer_object)
        return false;
    width = w;
    height = h;
    frameBytes = static_cast<size_t>(w) * h * 3;
    glGenBuffers(kSlots, buffers);
    for (GLuint buffer : buffers) {
        glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        // Written by GL, read by us, once per use.
        glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(frameBytes), nullptr,
                     GL_STREAM_READ);
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    return true;
}

void ReadbackRing::Destroy() {
    if (!buffers[0])
        return;
    for (int slot = 0; slot < kSlots; ++slot)
        Unmap(slot);
    glDeleteBuffers(kSlots, buffers);
    for (GLuint& buffer : buffers)
        buffer = 0;
}

void ReadbackRing::StartRead(int slot) {
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    // Rows packed without padding; restored so the scenes see GL's default.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
}

const unsigned char* ReadbackRing::Map(int slot) {
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    void* bytes = glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    mapped[slot] = bytes != nullptr;
    return static_cast<const unsigned char*>(bytes);
}

void ReadbackRing::Unmap(int slot) {
    if (!mapped[slot])
        return;
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers[slot]);
    glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    mapped[slot] = false;
}
