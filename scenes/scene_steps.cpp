#include "scenes/scene_steps.h"

#include "app/globals.h"
#include "scenes/scenes.h"

#include <GL/glu.h>

void LoadPerspective() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
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
void DrawSegments(float lowLevel) {
    glLineWidth(4.0f);
    glBegin(GL_LINES);
    for (const LineSegment& segment : LineField) {
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

void DrawLineField(double angle) {
    glEnable(GL_DEPTH_TEST);
    renderTarget.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float lowLevel = LowLevel();

    // The viewer stands at the centre of the field, which turns about all
    // three axes by the same angle.
    gluLookAt(0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glRotated(angle, 1.0, 0.0, 0.0);
    glRotated(angle, 0.0, 1.0, 0.0);
    glRotated(angle, 0.0, 0.0, 1.0);
    DrawSegments(lowLevel);

    glDisable(GL_DEPTH_TEST);
    LoadIdentityMatrices();
}

void DrawPostPass(float ox, float oy, int s, float cr, float cg, float cb, float ca) {
    // The whole window, letterbox bars included.
    glClear(GL_COLOR_BUFFER_BIT);
    renderTarget.BindTexture(GL_TEXTURE0);
    rbProgram.Bind();
    rbProgram.SetUniform2f("o", ox, oy);
    rbProgram.SetUniform1i("s", s);
    rbProgram.SetUniform4f("c", cr, cg, cb, ca);
    DrawScreenQuad();
    rbProgram.Unbind();
    renderTarget.UnbindTexture();
}

void DrawImageQuad(Texture& texture) {
    texture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawTexturedQuad();
    glDisable(GL_BLEND);
    texture.Unbind();
}

void DrawAddedImage(Texture& texture, float sx, float sy, float level) {
    texture.Bind(GL_TEXTURE0);
    glScalef(sx, sy, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(level, level, level);
    DrawTexturedQuad();
    glDisable(GL_BLEND);
    texture.Unbind();
}

void DrawFade(float alpha) {
    // Clamped here rather than trusted to GL's colour clamping, which a
    // context may switch off; a NaN leaves the frame as it is.
    const float a = alpha > 0.0f ? (alpha < 1.0f ? alpha : 1.0f) : 0.0f;
    glColor4f(0.0f, 0.0f, 0.0f, a);
    glLoadIdentity();
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
