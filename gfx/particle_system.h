// ParticleSystem: a fixed cloud of coloured, textured point sprites drawn in
// one call straight from the record array. Owns the sprite texture, the "ps"
// program and the records. GL context thread only.
#pragma once

#include "gfx/shader.h"
#include "gfx/texture.h"

#include <vector>

// 32 bytes: the vertex array (x, y, z, w) and the colour array (r, g, b, a)
// interleaved with a stride of 32. w is the base size the "ps" vertex stage reads.
struct Particle {
    float x, y, z, w;
    float r, g, b, a;
};
static_assert(sizeof(Particle) == 32, "Particle is handed to GL as 8 packed floats");

class ParticleSystem {
  public:
    Shader shader;
    Texture texture;
    std::vector<Particle> particles;
    float pointSizeRange[2]; // aliased point size range, read by Load

    // Loads the sprite and the "ps" program from its vertex and pixel
    // sources; the result is the shader program's.
    bool Load(const std::string& spriteFile, const std::string& vertexFile,
              const std::string& pixelFile);
    void Draw();
};
