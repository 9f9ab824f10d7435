#include "gles/draw.h"

#include "gles/layer_state.h"
#include "gles/legacy_gl.h"
#include "gles/vertex_transform.h"
#include "gles/wide_lines.h"

#include <algorithm>
#include <cmath>

namespace {

Matrix ModelViewProjection() {
    return Multiply(gLayer.projection, gLayer.modelView);
}

void ClampColor(float color[4]) {
    for (int c = 0; c < 4; ++c)
        color[c] = std::min(std::max(color[c], 0.0f), 1.0f);
}

// An attribute of four floats read from the bound buffer at `offset`, one
// every `stride` bytes.
void PointAttribute(int attribute, size_t stride, size_t offset) {
    glVertexAttribPointer(static_cast<GLuint>(attribute), 4, GL_FLOAT, GL_FALSE,
                          static_cast<GLsizei>(stride), reinterpret_cast<const void*>(offset));
}

// The three attributes read the bound buffer from vertex `first` on.
void PointAttributesAt(size_t first) {
    const size_t base = first * sizeof(LayerVertex);
    PointAttribute(kAttributeVertex, sizeof(LayerVertex), base + offsetof(LayerVertex, position));
    PointAttribute(kAttributeColor, sizeof(LayerVertex), base + offsetof(LayerVertex, color));
    PointAttribute(kAttributeTexCoord, sizeof(LayerVertex), base + offsetof(LayerVertex, texCoord));
}

// The next buffer of the ring, filled with `bytes` from `data` and bound;
// its name.
GLuint UploadToRing(const void* data, size_t bytes) {
    const GLuint buffer = gLayer.vertexBuffers[gLayer.nextBuffer];
    gLayer.nextBuffer = (gLayer.nextBuffer + 1) % kVertexBuffers;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), data);
    return buffer;
}

// Output[0, count) in the next buffer, bound to the three attributes.
void UploadOutput(size_t count) {
    UploadToRing(gLayer.output.data(), count * sizeof(LayerVertex));
    PointAttributesAt(0);
    for (int a : {kAttributeVertex, kAttributeColor, kAttributeTexCoord})
        glEnableVertexAttribArray(static_cast<GLuint>(a));
}

void DrawOutput(GLenum mode, size_t count) {
    if (count == 0)
        return;
    UploadOutput(count);
    glDrawArrays(mode, 0, static_cast<GLsizei>(count));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

// Whether the desktop's rasteriser gets the quad whole: no corner outside the
// view volume and the same w at every corner (drawn flat, not in
// perspective). It then splits it (0 1 2) (0 2 3); a quad in perspective or
// clipped, (0 1 3) (1 2 3). The split decides the colours across the quad
// and how the gradients of all its attributes round.
bool DrawnWhole(const Matrix& mvp, const LayerVertex* corners) {
    float w = 0.0f;
    for (int k = 0; k < 4; ++k) {
        float clip[4];
        ClipCoordinates(mvp, corners[k].position, clip);
        if (k > 0 && clip[3] != w)
            return false;
        w = clip[3];
        for (int axis = 0; axis < 3; ++axis)
            if (clip[axis] < -w || clip[axis] > w)
                return false;
    }
    return true;
}

// Quads as two triangles each, split as the desktop splits them; anything
// else as given.
size_t Assemble(const Matrix& mvp, GLenum primitive, size_t count) {
    size_t n = 0;
    if (primitive == GL_QUADS) {
        const int whole[6] = {0, 1, 2, 0, 2, 3};
        const int split[6] = {0, 1, 3, 1, 2, 3};
        for (size_t q = 0; q + 3 < count; q += 4) {
            const int* order = DrawnWhole(mvp, &gLayer.input[q]) ? whole : split;
            for (int k = 0; k < 6; ++k)
                gLayer.output[n++] = gLayer.input[q + size_t(order[k])];
        }
        return n;
    }
    std::copy(gLayer.input.begin(), gLayer.input.begin() + std::ptrdiff_t(count),
              gLayer.output.begin());
    return count;
}

GLenum GlesMode(GLenum primitive) {
    return primitive == GL_QUADS ? GL_TRIANGLES : primitive;
}

// Every line of the input widened into lineCorners; returns the corners'
// count.
size_t WidenLines(const Matrix& mvp, size_t count) {
    const ViewportMap map = MakeViewportMap(gLayer.viewport, gLayer.drawFramebuffer == 0);
    size_t n = 0;
    for (size_t i = 0; i + 1 < count; i += 2) {
        WindowVertex ends[2];
        for (int e = 0; e < 2; ++e) {
            const LayerVertex& v = gLayer.input[i + size_t(e)];
            ClipCoordinates(mvp, v.position, ends[e].clip);
            std::copy(v.color, v.color + 4, ends[e].color);
            ClampColor(ends[e].color);
        }
        LineQuad quad;
        const bool inShader = gLayer.lineDrawing == LineDrawing::Shader;
        if (!ClipLine(map, ends[0], ends[1]) ||
            !WidenLine(map, ends[0], ends[1], gLayer.lineWidth, kLineMargin, &gLayer.lineCorners[n],
                       inShader ? quad.edge : nullptr))
            continue;
        if (inShader)
            std::fill(&gLayer.lineQuads[n], &gLayer.lineQuads[n + 4], quad);
        n += 4;
    }
    return n;
}

bool SameColor(size_t count) {
    const float* first = gLayer.output[0].color;
    for (size_t i = 1; i < count; ++i)
        if (!std::equal(first, first + 4, gLayer.output[i].color))
            return false;
    return true;
}

// The texturing program, or untextured the colour program (one colour) or
// the vertex-colour program; `flat` is the colour of every vertex, or null
// where the colours differ.
void UseFixedFunction(bool textured, const float* flat) {
    if (!textured) {
        glUseProgram(flat ? gLayer.colorProgram : gLayer.vertexColorProgram);
        if (flat)
            glUniform4fv(gLayer.flatColor[0], 1, flat);
        return;
    }
    glUseProgram(gLayer.textureProgram);
    glUniform1f(gLayer.textureFlat, flat ? 1.0f : 0.0f);
    if (flat)
        glUniform4fv(gLayer.flatColor[1], 1, flat);
}

// The two attributes the vertex-colour program reads, from corner `first` on.
void PointLineAttributesAt(size_t first) {
    const size_t base = first * sizeof(LineCorner);
    PointAttribute(kAttributeVertex, sizeof(LineCorner), base + offsetof(LineCorner, clip));
    PointAttribute(kAttributeColor, sizeof(LineCorner), base + offsetof(LineCorner, color));
}

// The program that chooses the lines' pixels itself, told how the layer's
// window y runs (top down in the window) and the lines' width.
void UseCoveredLineProgram() {
    const GLint* v = gLayer.viewport;
    const bool flipped = gLayer.drawFramebuffer == 0;
    glUseProgram(gLayer.coveredLineProgram);
    glUniform4f(gLayer.lineSpace, flipped ? -1.0f : 1.0f, float(2 * v[1] + v[3]),
                std::max(1.0f, std::round(gLayer.lineWidth)), 0.0f);
}

// The lines' edges for that program, in a buffer of their own, as its
// texture coordinate; the buffer's name, or 0 where lines are covered by the
// rasteriser.
GLuint UploadLineQuads(size_t corners) {
    if (gLayer.lineDrawing != LineDrawing::Shader) {
        glDisableVertexAttribArray(kAttributeTexCoord);
        return 0;
    }
    const GLuint buffer = UploadToRing(gLayer.lineQuads.data(), corners * sizeof(LineQuad));
    glEnableVertexAttribArray(kAttributeTexCoord);
    return buffer;
}

// Four corners a line, drawn by index in batches of kLinesPerBatch lines.
void DrawWidenedLines(size_t corners) {
    if (corners == 0)
        return;
    const GLuint quads = UploadLineQuads(corners);
    const GLuint buffer = UploadToRing(gLayer.lineCorners.data(), corners * sizeof(LineCorner));
    glEnableVertexAttribArray(kAttributeVertex);
    glEnableVertexAttribArray(kAttributeColor);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gLayer.lineIndices);
    const size_t lines = corners / 4;
    for (size_t first = 0; first < lines; first += kLinesPerBatch) {
        const size_t batch = std::min(kLinesPerBatch, lines - first);
        if (quads) {
            glBindBuffer(GL_ARRAY_BUFFER, quads);
            PointAttribute(kAttributeTexCoord, sizeof(LineQuad), first * 4 * sizeof(LineQuad));
            glBindBuffer(GL_ARRAY_BUFFER, buffer);
        }
        PointLineAttributesAt(first * 4);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(batch * 6), GL_UNSIGNED_SHORT, nullptr);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void DrawFixedFunctionLines(size_t count) {
    const size_t n = WidenLines(ModelViewProjection(), count);
    const GLint* v = gLayer.viewport;
    const GLint m = static_cast<GLint>(kLineMargin);
    if (gLayer.lineDrawing == LineDrawing::Shader)
        UseCoveredLineProgram();
    else
        glUseProgram(gLayer.vertexColorProgram);
    glViewport(v[0] - m, v[1] - m, v[2] + 2 * m, v[3] + 2 * m);
    DrawWidenedLines(n);
    glViewport(v[0], v[1], v[2], v[3]);
}

// Whether the context draws the current lines itself (InitLayer says when).
bool ContextDrawsLines() {
    return gLayer.lineDrawing == LineDrawing::Context &&
           std::round(std::max(1.0f, gLayer.lineWidth)) <= gLayer.contextLineWidth;
}

void DrawFixedFunction(GLenum primitive, size_t count) {
    if (primitive == GL_LINES && !ContextDrawsLines()) {
        DrawFixedFunctionLines(count);
        return;
    }
    const Matrix mvp = ModelViewProjection();
    const size_t n = Assemble(mvp, primitive, count);
    for (size_t i = 0; i < n; ++i) {
        LayerVertex& v = gLayer.output[i];
        float object[4];
        std::copy(v.position, v.position + 4, object);
        ClipCoordinates(mvp, object, v.position);
        ClampColor(v.color);
    }
    UseFixedFunction(gLayer.texture2D, n > 0 && SameColor(n) ? gLayer.output[0].color : nullptr);
    DrawOutput(GlesMode(primitive), n);
}

const ProgramBuiltins* BuiltinsOf(GLuint program) {
    for (const ProgramBuiltins& b : gLayer.programs)
        if (b.program == program)
            return &b;
    return nullptr;
}

void FeedBuiltins(const ProgramBuiltins& b, GLenum primitive) {
    if (b.modelView >= 0)
        glUniformMatrix4fv(b.modelView, 1, GL_FALSE, gLayer.modelView.m);
    if (b.projection >= 0)
        glUniformMatrix4fv(b.projection, 1, GL_FALSE, gLayer.projection.m);
    if (b.modelViewProjection >= 0)
        glUniformMatrix4fv(b.modelViewProjection, 1, GL_FALSE, ModelViewProjection().m);
    if (b.pointCull >= 0)
        glUniform1f(b.pointCull, primitive == GL_POINTS ? 1.0f : 0.0f);
}

void DrawWithProgram(GLenum primitive, size_t count) {
    glUseProgram(gLayer.program);
    if (const ProgramBuiltins* b = BuiltinsOf(gLayer.program))
        FeedBuiltins(*b, primitive);
    DrawOutput(GlesMode(primitive), Assemble(ModelViewProjection(), primitive, count));
}

} // namespace

void DrawInput(GLenum primitive, size_t count) {
    if (!gLayer.ready)
        return;
    if (gLayer.program == 0)
        DrawFixedFunction(primitive, count);
    else
        DrawWithProgram(primitive, count);
}
