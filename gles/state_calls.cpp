// Enables, the viewport, the attribute stacks and the point and line state:
// what GLES has is passed on, what it lacks is kept here for the draws.
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"

namespace {

// GL_TEXTURE_2D on unit 0 selects the texturing program; the point enables
// are GLES's behaviour already (gl_PointSize, gl_PointCoord).
bool KeptByLayer(GLenum cap, bool on) {
    switch (cap) {
    case GL_TEXTURE_2D:
        if (gLayer.activeUnit == GL_TEXTURE0)
            gLayer.texture2D = on;
        return true;
    case GL_POINT_SPRITE_ARB:
    case GL_VERTEX_PROGRAM_POINT_SIZE_ARB:
        return true;
    default:
        return false;
    }
}

} // namespace

void zgl_Enable(GLenum cap) {
    if (!KeptByLayer(cap, true))
        glEnable(cap);
}

void zgl_Disable(GLenum cap) {
    if (!KeptByLayer(cap, false))
        glDisable(cap);
}

void zgl_ActiveTexture(GLenum unit) {
    gLayer.activeUnit = unit;
    glActiveTexture(unit);
}

void zgl_Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    gLayer.viewport[0] = x;
    gLayer.viewport[1] = y;
    gLayer.viewport[2] = width;
    gLayer.viewport[3] = height;
    glViewport(x, y, width, height);
}

// Only GL_VIEWPORT_BIT is kept: the one bit the production pushes.
void zgl_PushAttrib(GLbitfield) {
    gLayer.viewportStack.insert(gLayer.viewportStack.end(), gLayer.viewport, gLayer.viewport + 4);
}

void zgl_PopAttrib() {
    std::vector<GLint>& stack = gLayer.viewportStack;
    if (stack.size() < 4)
        return;
    const GLint* v = stack.data() + stack.size() - 4;
    zgl_Viewport(v[0], v[1], v[2], v[3]);
    stack.resize(stack.size() - 4);
}

// Only GL_CLIENT_PIXEL_STORE_BIT: the pack and unpack alignments.
void zgl_PushClientAttrib(GLbitfield) {
    GLint pack = 4, unpack = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    gLayer.pixelStoreStack.push_back(pack);
    gLayer.pixelStoreStack.push_back(unpack);
}

void zgl_PopClientAttrib() {
    std::vector<GLint>& stack = gLayer.pixelStoreStack;
    if (stack.size() < 2)
        return;
    glPixelStorei(GL_PACK_ALIGNMENT, stack[stack.size() - 2]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, stack[stack.size() - 1]);
    stack.resize(stack.size() - 2);
}

void zgl_LineWidth(GLfloat width) {
    gLayer.lineWidth = width;
    glLineWidth(width);
}

void zgl_PointParameterfARB(GLenum name, GLfloat value) {
    if (name == GL_POINT_SIZE_MIN_ARB)
        gLayer.pointSizeRange[0] = value;
    else if (name == GL_POINT_SIZE_MAX_ARB)
        gLayer.pointSizeRange[1] = value;
}

// Distance attenuation sizes fixed-function points only; the production's
// points size themselves in their program.
void zgl_PointParameterfvARB(GLenum, const GLfloat*) {}

// GL_COORD_REPLACE: gl_PointCoord is always there in GLES.
void zgl_TexEnvi(GLenum, GLenum, GLint) {}
