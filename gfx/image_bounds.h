// Where an image quad can change a pixel. An image drawn under a blend for
// which a transparent black texel leaves the destination as it is (the
// title's GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA with premultiplied texels, the
// additive strips) changes only the pixels whose filtered sample reaches a
// texel that is not fully transparent black. ImageContentBox finds that area
// once, at load, from the texels as uploaded; QuadScissor turns it into a
// scissor rectangle for the full quad, so that the quad keeps its own
// texture coordinates and every pixel it draws comes out as without scissor.
//
// Texture coordinates: s = 0 at the image's left edge, t = 0 at the first row
// of the upload (the image's bottom row: Texture flips the rows), as
// DrawTexturedQuad maps them onto the quad (0, 0 at its lower left). Pure
// functions, except TextureContentBox, which reads a texture back (start-up
// only, the texture's GL context current).
#pragma once

#include <GL/glew.h>

// A rectangle in texture coordinates; empty when s0 >= s1 or t0 >= t1.
struct TexBox {
    float s0 = 0.0f, t0 = 0.0f, s1 = 0.0f, t1 = 0.0f;
    bool Empty() const { return !(s0 < s1 && t0 < t1); }
};

// A glScissor rectangle in window pixels, lower left origin; empty when
// width or height is 0.
struct ScissorRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The coarsest mip level GL_LINEAR_MIPMAP_LINEAR can read for a texture of
// texWidth x texHeight drawn over a quad of quadWidth x quadHeight pixels,
// with a level's margin for the driver's level-of-detail arithmetic; clamped
// to the texture's last level.
int CoarsestMipLevel(int texWidth, int texHeight, float quadWidth, float quadHeight);

// The box of texels that are not fully transparent black (all four bytes 0),
// widened by the reach of a bilinear read at the coarsest mip level the quad
// can sample, in texture coordinates clamped to 0..1. `rgba`: width x height
// texels, 4 bytes each, rows packed, first row at t = 0. quadWidth x
// quadHeight: the smallest size in pixels the quad is drawn at (for a strip
// scaled about the centre, the viewport's size times its smallest scale).
// Empty when every texel is transparent black.
TexBox ImageContentBox(const unsigned char* rgba, int width, int height, float quadWidth,
                       float quadHeight);

// ImageContentBox of level 0 of a 2-D texture, read back from GL. Allocates
// a copy of the level; call at load. Leaves GL_TEXTURE_2D bound to 0.
TexBox TextureContentBox(GLuint texture, float quadWidth, float quadHeight);

// The scissor rectangle that holds every pixel of the quad that `box` can
// reach: the quad covers the viewport (x, y, width, height), scaled about
// the viewport's centre by scaleX, scaleY (1, 1: the whole viewport; the
// strips' glScalef). Rounded outwards with a pixel's margin, clamped to the
// viewport. An empty box gives an empty rectangle.
ScissorRect QuadScissor(const TexBox& box, int x, int y, int width, int height, float scaleX = 1.0f,
                        float scaleY = 1.0f);
