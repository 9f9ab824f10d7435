// The layer's tests draw the same thing twice on one machine: through the
// desktop GL (a compatibility context) and through the layer (a GLES 2
// context), both on Mesa's surfaceless EGL platform, each into a framebuffer
// object of the same size (RGBA8, 24-bit depth), and read the pixels back.
#pragma once

#include <vector>

class TwoContexts {
  public:
    // False when either context cannot be made; then nothing is current.
    bool Create(int width, int height);
    void UseDesktop();
    void UseGles();
    // RGBA rows of the current context's framebuffer, bottom row first.
    std::vector<unsigned char> Read() const;
    int Width() const { return width; }
    int Height() const { return height; }

  private:
    void* display = nullptr;
    void* desktop = nullptr;
    void* gles = nullptr;
    int width = 0, height = 0;
};

// Pixels whose RGBA bytes differ.
int DifferingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b);
