// glBegin/glEnd with the current attributes, and the client arrays.
#include "gles/draw.h"
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"

#include <algorithm>

namespace {

void AddVertex(float x, float y, float z, float w) {
    if (gLayer.inputCount >= gLayer.input.size())
        return;
    LayerVertex& v = gLayer.input[gLayer.inputCount++];
    v.position[0] = x;
    v.position[1] = y;
    v.position[2] = z;
    v.position[3] = w;
    std::copy(gLayer.color, gLayer.color + 4, v.color);
    v.texCoord[0] = gLayer.texCoord[0];
    v.texCoord[1] = gLayer.texCoord[1];
    v.texCoord[2] = 0.0f;
    v.texCoord[3] = 1.0f;
}

void SetColor(float r, float g, float b, float a) {
    gLayer.color[0] = r;
    gLayer.color[1] = g;
    gLayer.color[2] = b;
    gLayer.color[3] = a;
}

// Element `i` of a float client array, `size` components, the rest (0, 0, 0, 1).
void ReadArray(const ClientArray& array, GLint i, float out[4]) {
    const GLsizei stride =
        array.stride ? array.stride : static_cast<GLsizei>(array.size * sizeof(float));
    const float* at = reinterpret_cast<const float*>(reinterpret_cast<const char*>(array.pointer) +
                                                     static_cast<ptrdiff_t>(i) * stride);
    const float defaults[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    for (int c = 0; c < 4; ++c)
        out[c] = c < array.size ? at[c] : defaults[c];
}

} // namespace

void zgl_Begin(GLenum mode) {
    gLayer.primitive = mode;
    gLayer.inputCount = 0;
}

void zgl_End() {
    DrawInput(gLayer.primitive, gLayer.inputCount);
    gLayer.inputCount = 0;
}

void zgl_Vertex2i(GLint x, GLint y) {
    AddVertex(static_cast<float>(x), static_cast<float>(y), 0.0f, 1.0f);
}

void zgl_Vertex3f(GLfloat x, GLfloat y, GLfloat z) {
    AddVertex(x, y, z, 1.0f);
}

void zgl_Color3f(GLfloat r, GLfloat g, GLfloat b) {
    SetColor(r, g, b, 1.0f);
}

void zgl_Color3fv(const GLfloat* rgb) {
    SetColor(rgb[0], rgb[1], rgb[2], 1.0f);
}

// A byte b is b / 255 in float, as the GL converts it.
void zgl_Color3ub(GLubyte r, GLubyte g, GLubyte b) {
    SetColor(static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
             static_cast<float>(b) / 255.0f, 1.0f);
}

void zgl_Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    SetColor(r, g, b, a);
}

void zgl_TexCoord2i(GLint s, GLint t) {
    gLayer.texCoord[0] = static_cast<float>(s);
    gLayer.texCoord[1] = static_cast<float>(t);
}

void zgl_EnableClientState(GLenum array) {
    (array == GL_VERTEX_ARRAY ? gLayer.vertexArray : gLayer.colorArray).enabled = true;
}

void zgl_DisableClientState(GLenum array) {
    (array == GL_VERTEX_ARRAY ? gLayer.vertexArray : gLayer.colorArray).enabled = false;
}

// Float arrays only: the production gives nothing else.
void zgl_VertexPointer(GLint size, GLenum, GLsizei stride, const void* pointer) {
    gLayer.vertexArray.size = size;
    gLayer.vertexArray.stride = stride;
    gLayer.vertexArray.pointer = static_cast<const float*>(pointer);
}

void zgl_ColorPointer(GLint size, GLenum, GLsizei stride, const void* pointer) {
    gLayer.colorArray.size = size;
    gLayer.colorArray.stride = stride;
    gLayer.colorArray.pointer = static_cast<const float*>(pointer);
}

// The arrays are copied into the input as if each element had been given in
// immediate mode, the current colour standing in for a disabled colour array.
void zgl_DrawArrays(GLenum mode, GLint first, GLsizei count) {
    if (!gLayer.vertexArray.enabled || !gLayer.vertexArray.pointer)
        return;
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), gLayer.input.size());
    for (size_t i = 0; i < n; ++i) {
        LayerVertex& v = gLayer.input[i];
        const GLint element = first + static_cast<GLint>(i);
        ReadArray(gLayer.vertexArray, element, v.position);
        if (gLayer.colorArray.enabled && gLayer.colorArray.pointer)
            ReadArray(gLayer.colorArray, element, v.color);
        else
            std::copy(gLayer.color, gLayer.color + 4, v.color);
        v.texCoord[0] = gLayer.texCoord[0];
        v.texCoord[1] = gLayer.texCoord[1];
        v.texCoord[2] = 0.0f;
        v.texCoord[3] = 1.0f;
    }
    DrawInput(mode, n);
}
