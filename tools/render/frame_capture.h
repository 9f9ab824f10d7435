// FrameCapture: reads the whole default framebuffer (the pbuffer standing in
// for the window) back as packed RGB, top row first, as image files and video
// encoders expect. Its two buffers are allocated by Init; reading allocates
// nothing. Needs the current GL context of the frame it reads.
#pragma once

#include <cstddef>
#include <vector>

class FrameCapture {
  public:
    // `channels`: 3 reads RGB; 4 reads RGBA, the framebuffer's own layout,
    // which GL hands over without converting (ReadBottomUp only).
    void Init(int width, int height, int channels = 3);
    // Waits for the frame to finish, then returns width × height × 3 bytes,
    // valid until the next Read.
    const unsigned char* Read();
    // The same rows as GL gives them, bottom row first, without the copy
    // that turns them over; valid until the next read.
    const unsigned char* ReadBottomUp();
    size_t FrameBytes() const { return topDown.size(); }

  private:
    int width = 0;
    int height = 0;
    int channels = 3;
    std::vector<unsigned char> bottomUp; // as GL gives it
    std::vector<unsigned char> topDown;
};
