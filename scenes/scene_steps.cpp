#include "scenes/scene_steps.h"

#include <GL/glu.h>

void LoadPerspective() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
}

void LoadCloudView(float angle) {
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10.0, 10.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
}

void LoadIdentityMatrices() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

namespace {

// Each stroke runs from white at its origin to its tip colour; in silence the
// tip sits just beside the origin, and the bass pushes it out along the
// segment's own direction. Negative tip colours are clamped to black by GL.
void DrawSegments(const std::vector<LineSegment>& field, float lowLevel, float pixelScale) {
    glLineWidth(4.0f * pixelScale);
    glBegin(GL_LINES);
    for (const LineSegment& segment : field) {
        const float* o = segment.origin;
        const float* d = segment.direction;
        const float reach = lowLevel * segment.gain;
        glColor3f(1.0f, 1.0f, 1.0f);
        glVertex3f(o[0], o[1], o[2]);
        glColor3fv(segment.tipColor);
        glVertex3f(o[0] + 2.0f + d[0] * reach, o[1] + 2.0f + d[1] * reach,
                   o[2] + 2.0f + d[2] * reach);
    }
    glEnd();
}

} // namespace

void DrawLineField(RenderTarget& target, const std::vector<LineSegment>& field, double angle,
                   float lowLevel, float pixelScale) {
    glEnable(GL_DEPTH_TEST);
    target.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The viewer stands at the centre of the field, which turns about all
    // three axes by the same angle.
    gluLookAt(0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glRotated(angle, 1.0, 0.0, 0.0);
    glRotated(angle, 0.0, 1.0, 0.0);
    glRotated(angle, 0.0, 0.0, 1.0);
    DrawSegments(field, lowLevel, pixelScale);

    glDisable(GL_DEPTH_TEST);
    LoadIdentityMatrices();
}

void DrawPostPass(RenderTarget& target, Shader& postProgram, const PostUniforms& uniforms) {
    // The whole window, letterbox bars included.
    glClear(GL_COLOR_BUFFER_BIT);
    target.BindTexture(GL_TEXTURE0);
    postProgram.Bind();
    postProgram.SetUniform2f("o", uniforms.originX, uniforms.originY);
    postProgram.SetUniform1i("s", uniforms.strength);
    const float* c = uniforms.colour;
    postProgram.SetUniform4f("c", c[0], c[1], c[2], c[3]);
    DrawScreenQuad();
    postProgram.Unbind();
    target.UnbindTexture();
}

void DrawPlainCopy(RenderTarget& target) {
    glClear(GL_COLOR_BUFFER_BIT);
    target.BindTexture(GL_TEXTURE0);
    DrawScreenQuad();
}

void AddGlow(RenderTarget& target, Shader& postProgram, const PostUniforms& uniforms) {
    postProgram.Bind();
    postProgram.SetUniform2f("o", uniforms.originX, uniforms.originY);
    postProgram.SetUniform1i("s", uniforms.strength);
    const float* c = uniforms.colour;
    postProgram.SetUniform4f("c", c[0], c[1], c[2], c[3]);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    DrawScreenQuad();
    glDisable(GL_BLEND);
    postProgram.Unbind();
    target.UnbindTexture();
}

void DrawImageQuad(Texture& texture, const ScissorRect* area) {
    texture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BeginArea(area);
    DrawTexturedQuad();
    EndArea(area);
    glDisable(GL_BLEND);
    texture.Unbind();
}

void DrawAddedImage(Texture& texture, float sx, float sy, float level, bool skipNoOp,
                    const ScissorRect* area) {
    // At level 0 the quad adds black: the scale and the colour are all the
    // pass leaves behind.
    if (skipNoOp && level == 0.0f) {
        glScalef(sx, sy, 1.0f);
        glColor3f(level, level, level);
        return;
    }
    texture.Bind(GL_TEXTURE0);
    glScalef(sx, sy, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(level, level, level);
    BeginArea(area);
    DrawTexturedQuad();
    EndArea(area);
    glDisable(GL_BLEND);
    texture.Unbind();
}

void DrawFade(float alpha, bool skipNoOp) {
    // Clamped here rather than trusted to GL's colour clamping, which a
    // context may switch off; a NaN leaves the frame as it is.
    const float a = alpha > 0.0f ? (alpha < 1.0f ? alpha : 1.0f) : 0.0f;
    glColor4f(0.0f, 0.0f, 0.0f, a);
    glLoadIdentity();
    // (GL_ZERO, GL_ONE_MINUS_SRC_ALPHA) at alpha 0 multiplies every pixel by 1.
    if (skipNoOp && a == 0.0f)
        return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glVertex2i(-1, -1);
    glVertex2i(1, -1);
    glVertex2i(1, 1);
    glVertex2i(-1, 1);
    glEnd();
    glDisable(GL_BLEND);
}

void BeginArea(const ScissorRect* area) {
    if (!area)
        return;
    glEnable(GL_SCISSOR_TEST);
    glScissor(area->x, area->y, area->width, area->height);
}

void EndArea(const ScissorRect* area) {
    if (area)
        glDisable(GL_SCISSOR_TEST);
}
