// Images stored at the sides the production's texture loader wants.
//
// The loader stretches every image to power-of-two sides before it makes the
// mipmaps, and that stretch is most of an image's loading time. Every quad
// stretches its texture over the quad anyway, so an image drawn at its own
// proportions and stored already stretched to power-of-two sides looks the
// same on screen and loads without the stretch.
#pragma once

#include "image.h"

// The power of two nearest to n on a logarithmic scale (576 -> 512,
// 896 -> 1024); n itself when it is one.
int NearestPowerOfTwo(int n);

// The image at the nearest power-of-two sides.
Image ForTextureLoader(const Image& image);
