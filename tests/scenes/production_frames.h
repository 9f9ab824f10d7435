// The real start-up run headlessly, and frames read back from the "window":
// a 320 × 240 pbuffer letterboxed to a 320 × 180 picture, as a 4:3 window is.
// One production and its music serve every case of a test program; the
// audio library starts once per process.
#pragma once

#include "app/startup.h"
#include "scenes/pass.h"

#include <gtest/gtest.h>
#include <vector>

struct Rect {
    int x, y, width, height;
};

// RGBA, bottom row first, as GL reads it.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;

    int Max(const Rect& r) const;
    double Mean(const Rect& r) const;
    // The share of pixels with a channel above `level`.
    double LitShare(const Rect& r, int level) const;
};

class ProductionTest : public ::testing::Test {
  public:
    void SetUp() override;

    static Production& Scenes();
    static Music& Sound();
    static const Viewport& View();
    // The centred part of the picture `fx` of its width and `fy` of its height.
    static Rect Centre(double fx, double fy);
    static Frame ReadWindow();
    // Places the music at `t` (its spectrum follows) and draws what the
    // section table draws there.
    static Frame RenderAt(double t);
    // Reads the spectrum where the music stands and runs one scene's passes
    // at scene time t, as its section would.
    static Frame RenderScene(PassList scene, double t);
};
