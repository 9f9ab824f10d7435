// The tests' one GL harness: one headless GL context per test executable
// (EGL surfaceless on llvmpipe, a pbuffer as the window), never destroyed:
// terminating it unloads the driver, after which the leak checker can no
// longer tell the driver's own live allocations from leaks. For the render
// toolkit's cases, a fixture with a 320 x 180 window that puts GL state back
// to its defaults before every test, pixel read-back,
// captured standard output, scratch files, and stand-ins for single GL entry
// points so that driver answers llvmpipe never gives can be tested.
#pragma once

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

// Makes the context current on the calling thread, with a pbuffer of
// width × height, on the first call; later calls only report whether that
// worked, whatever size they name.
bool TestGlReady(int width, int height);

constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 180;

struct Rgba {
    int r, g, b, a;
};

// Fixture for tests that need the context; SetUp restores the defaults the
// production starts its frame loop with.
class GlTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
};

// The pixel at (x, y), counted from the lower left, of the bound read buffer.
Rgba ReadPixel(int x, int y);

// Everything the call printed on standard output.
std::string CapturePrinted(const std::function<void()>& call);

// A file of the given bytes in this process's scratch directory; returns its path.
std::string ScratchFile(const std::string& name, const std::string& bytes);
std::string ScratchPath(const std::string& name);

GLint GetInteger(GLenum name);
bool IsIdentity(GLenum matrix); // GL_MODELVIEW_MATRIX or GL_PROJECTION_MATRIX

// Replaces one GLEW entry point for the lifetime of the object.
template <typename Function> class GlStandIn {
  public:
    GlStandIn(Function& slot, Function standIn) : slot(slot), original(slot) { slot = standIn; }
    ~GlStandIn() { slot = original; }
    GlStandIn(const GlStandIn&) = delete;
    GlStandIn& operator=(const GlStandIn&) = delete;

  private:
    Function& slot;
    Function original;
};
