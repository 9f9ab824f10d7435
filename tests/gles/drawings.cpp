// Built twice, as the production is: against the desktop GL's headers
// (the Desktop functions) and against the layer's (gles/include: the Layer
// functions), the code the same.
#include "tests/gles/test_drawings.h"

#include <GL/glew.h>
#include <GL/glu.h>

namespace {

GLuint Stage(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

GLuint Program(const char* vertexSource, const char* fragmentSource) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, Stage(GL_VERTEX_SHADER, vertexSource));
    glAttachShader(program, Stage(GL_FRAGMENT_SHADER, fragmentSource));
    glLinkProgram(program);
    return program;
}

GLuint SpriteProgram() {
    static const GLuint program = Program(kSpriteVertexSource, kSpriteFragmentSource);
    return program;
}

void SpriteTexture() {
    static GLuint texture = 0;
    if (!texture) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     RadialTexture(64).data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
}

// A black viewport of the given size under the production's lens, the
// modelview identity, for the caller to place its eye.
void ClearUnderTheLens(int viewportWidth, int viewportHeight) {
    glViewport(0, 0, viewportWidth, viewportHeight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace

#ifndef ZENTRAFEL_GLES2
void LoadDesktopEntryPoints() {
    glewExperimental = GL_TRUE;
    glewInit();
}
#endif

void DRAW(Lines)(const std::vector<TestLine>& lines, float width, int viewportWidth,
                 int viewportHeight, double angle) {
    ClearUnderTheLens(viewportWidth, viewportHeight);
    gluLookAt(0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glRotated(angle, 1.0, 0.0, 0.0);
    glRotated(angle, 0.0, 1.0, 0.0);
    glRotated(angle, 0.0, 0.0, 1.0);
    glLineWidth(width);
    glBegin(GL_LINES);
    for (const TestLine& l : lines) {
        glColor3ub(l.color[0], l.color[1], l.color[2]);
        glVertex3f(l.from[0], l.from[1], l.from[2]);
        glVertex3f(l.to[0], l.to[1], l.to[2]);
    }
    glEnd();
    glFinish();
}

void DRAW(Sprites)(const std::vector<TestSprite>& sprites, int viewportWidth, int viewportHeight) {
    ClearUnderTheLens(viewportWidth, viewportHeight);
    gluLookAt(10.0, 10.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    SpriteTexture();
    GLfloat range[2];
    glGetFloatv(GL_ALIASED_POINT_SIZE_RANGE, range);
    glEnable(GL_POINT_SPRITE_ARB);
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE_ARB);
    glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, range[0]);
    glPointParameterfARB(GL_POINT_SIZE_MAX_ARB, range[1]);
    glTexEnvi(GL_POINT_SPRITE_ARB, GL_COORD_REPLACE_ARB, GL_TRUE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(4, GL_FLOAT, sizeof(TestSprite), sprites[0].position);
    glColorPointer(4, GL_FLOAT, sizeof(TestSprite), sprites[0].color);
    glUseProgram(SpriteProgram());
    glDrawArrays(GL_POINTS, 0, GLsizei(sprites.size()));
    glUseProgram(0);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_BLEND);
    glDisable(GL_POINT_SPRITE_ARB);
    glFinish();
}

void DRAW(ProgramQuad)(const char* vertexSource, const char* fragmentSource, int viewportWidth,
                       int viewportHeight) {
    ClearUnderTheLens(viewportWidth, viewportHeight);
    gluLookAt(0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(20.0f, 0.0f, 0.0f, 1.0f);
    SpriteTexture();
    const GLuint program = Program(vertexSource, fragmentSource);
    glUseProgram(program);
    glBegin(GL_QUADS);
    glColor3f(1.0f, 0.5f, 0.25f);
    glTexCoord2i(0, 0);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glColor3f(0.25f, 1.0f, 0.5f);
    glTexCoord2i(1, 0);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glColor3f(0.5f, 0.25f, 1.0f);
    glTexCoord2i(1, 1);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glTexCoord2i(0, 1);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glEnd();
    glUseProgram(0);
    glFinish();
}
