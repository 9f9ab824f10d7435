// ReadbackRing: reads whole frames of the default framebuffer (the pbuffer
// standing in for the window) back as packed RGB through a ring of
// pixel-pack buffers, so that the read of one frame runs on the GPU (or the
// driver's threads) while the next is drawn, and nothing waits for it until
// it is mapped. Rows come bottom row first, as GL gives them; the reader of
// a mapped slot puts them in order.
//
// GL thread only: Init, StartRead, Map and Unmap need the context of the
// frames. A mapped slot's bytes may be read on any thread until Unmap.
#pragma once

#include <GL/glew.h>

#include <cstddef>

class ReadbackRing {
  public:
    static constexpr int kSlots = 3;

    ReadbackRing() = default;
    ReadbackRing(const ReadbackRing&) = delete;
    ReadbackRing& operator=(const ReadbackRing&) = delete;
    ~ReadbackRing() { Destroy(); }

    // Buffers for frames of width x height; false when the context has no
    // pixel buffer objects.
    bool Init(int width, int height);
    void Destroy();

    // Starts reading the frame just drawn into `slot`, which must not be
    // mapped. Returns at once where the driver can read asynchronously.
    void StartRead(int slot);
    // Waits for the slot's read and maps it: FrameBytes() bytes, bottom row
    // first, rows packed. Null when the driver cannot map it.
    const unsigned char* Map(int slot);
    void Unmap(int slot);

    size_t FrameBytes() const { return frameBytes; }
    size_t RowBytes() const { return static_cast<size_t>(width) * 3; }
    int Height() const { return height; }

  private:
    GLuint buffers[kSlots] = {};
    bool mapped[kSlots] = {};
    int width = 0;
    int height = 0;
    size_t frameBytes = 0;
};
