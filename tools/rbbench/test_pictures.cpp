#include "tools/rbbench/test_pictures.h"

#include <GL/glu.h>

namespace {

void LoadSceneCamera(double eye) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double centre = eye == 0.0 ? 1.0 : 0.0;
    gluLookAt(eye, eye, eye, centre, 0.0, 0.0, 0.0, 0.0, 1.0);
}

void Turn(float angle) {
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

} // namespace

void DrawLineFieldPicture(RenderTarget& target, const std::vector<LineSegment>& field, float angle,
                          float lowLevel) {
    glEnable(GL_DEPTH_TEST);
    target.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadSceneCamera(0.0);
    Turn(angle);
    glLineWidth(4.0f);
    glBegin(GL_LINES);
    for (const LineSegment& s : field) {
        const float reach = lowLevel * s.gain;
        glColor3f(1.0f, 1.0f, 1.0f);
        glVertex3fv(s.origin);
        glColor3fv(s.tipColor);
        glVertex3f(s.origin[0] + 2.0f + s.direction[0] * reach,
                   s.origin[1] + 2.0f + s.direction[1] * reach,
                   s.origin[2] + 2.0f + s.direction[2] * reach);
    }
    glEnd();
    glDisable(GL_DEPTH_TEST);
    LoadIdentityMatrices();
    target.Unbind();
}

void DrawParticlePicture(RenderTarget& target, ParticleSystem& particles, float angle) {
    target.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadSceneCamera(10.0);
    Turn(angle);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    particles.Draw();
    glDisable(GL_BLEND);
    LoadIdentityMatrices();
    target.Unbind();
}
