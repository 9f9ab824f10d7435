#include "gfx/particle_system.h"

namespace {

// Only fixed-function points use these; the "ps" vertex stage writes its own
// point size. They stay set after the draw like the rest of the point state.
const GLfloat kDistanceAttenuation[3] = {0.0001f, 0.005f, 0.001f};

void EnablePointSprites(const float sizeRange[2]) {
    glEnable(GL_POINT_SPRITE_ARB);
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE_ARB);
    glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, sizeRange[0]);
    glPointParameterfARB(GL_POINT_SIZE_MAX_ARB, sizeRange[1]);
    glPointParameterfvARB(GL_POINT_DISTANCE_ATTENUATION_ARB, kDistanceAttenuation);
    glTexEnvi(GL_POINT_SPRITE_ARB, GL_COORD_REPLACE_ARB, GL_TRUE);
}

// Both client arrays read the one record array: positions from x, colours
// from r, 32 bytes apart. An empty cloud points them nowhere and draws nothing.
void PointArraysAt(const Particle* first) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(4, GL_FLOAT, sizeof(Particle), first ? &first->x : nullptr);
    glColorPointer(4, GL_FLOAT, sizeof(Particle), first ? &first->r : nullptr);
}

} // namespace

bool ParticleSystem::Load(const std::string& spriteFile, const std::string& vertexFile,
                          const std::string& pixelFile) {
    glGetFloatv(GL_ALIASED_POINT_SIZE_RANGE, pointSizeRange);
    texture.Load(spriteFile);
    return shader.Load(vertexFile, "", pixelFile);
}

void ParticleSystem::Draw() {
    texture.Bind(GL_TEXTURE0);
    EnablePointSprites(pointSizeRange);
    PointArraysAt(particles.data());

    shader.Bind();
    glDrawArrays(GL_POINTS, 0, GLsizei(particles.size()));
    shader.Unbind();

    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_POINT_SPRITE_ARB);
    texture.Unbind();
}
