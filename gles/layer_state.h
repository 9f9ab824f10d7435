// The layer's process-wide state, in one struct because the legacy GL it
// stands in for is process-wide by design: the current matrices, colour and
// texture coordinate, the enables GLES lacks, the viewport and attribute
// stacks, the client arrays, and the buffers every draw goes through, sized
// once by zglew_Init (no allocation while frames are drawn). One context,
// current on the thread that calls the layer.
#pragma once

#include "gles/matrix_math.h"
#include "gles/wide_lines.h"

#include <GLES2/gl2.h>

#include <cstddef>
#include <map>
#include <vector>

// A vertex as the layer's programs read it: position (clip coordinates for
// the fixed-function programs, object coordinates for the production's own),
// colour, texture coordinate.
struct LayerVertex {
    float position[4];
    float color[4];
    float texCoord[4];
};

// The uniforms the layer feeds in one of the production's programs; -1 where
// the program does not use it.
struct ProgramBuiltins {
    GLuint program = 0;
    GLint modelView = -1;
    GLint projection = -1;
    GLint modelViewProjection = -1;
    GLint pointCull = -1;
};

// A client array as glVertexPointer / glColorPointer left it.
struct ClientArray {
    bool enabled = false;
    GLint size = 4;
    GLsizei stride = 0;
    const float* pointer = nullptr;
};

// A texture's level 0 as uploaded, expanded to RGBA (for glGetTexImage).
struct TextureLevel0 {
    GLsizei width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

constexpr int kAttributeVertex = 0;
constexpr int kAttributeColor = 1;
constexpr int kAttributeTexCoord = 2;
// Binds the layer's vertex attributes to their fixed places and links: the
// layer's own programs and the production's. True when it linked.
bool LinkWithLayerAttributes(GLuint program);
// Wide lines are widened in a viewport this many pixels larger on each side,
// so that GLES clips none of their corners.
constexpr float kLineMargin = 1024.0f;
// kYMajorOffset (wide_lines.h) as the line shader spells it.
#define ZGL_Y_MAJOR "16384.0"
// The most vertices one glBegin/glEnd or glDrawArrays may give (the wave
// grid's 16384 lines), and the ring of vertex buffers they go through in turn
// so that a buffer is not rewritten while the rasteriser still reads it.
constexpr size_t kMaxVertices = 40000;
constexpr int kVertexBuffers = 8;
// The widened lines are drawn by index, four corners a line, in batches that
// 16-bit indices reach.
constexpr size_t kLinesPerBatch = 16384;

// How lines are drawn (InitLayer chooses; the tests hold each against the
// desktop's lines).
enum class LineDrawing {
    // By the context itself, up to the widest it offers; wider ones as
    // Triangles.
    Context,
    // Two triangles each (gles/wide_lines.h).
    Triangles,
    // Two triangles grown a little, the fragment shader choosing the pixels.
    Shader,
};

struct LayerState {
    bool ready = false;
    // Matrices.
    GLenum matrixMode = 0x1700;
    Matrix modelView = IdentityMatrix();
    Matrix projection = IdentityMatrix();
    // The current vertex attributes.
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float texCoord[2] = {0.0f, 0.0f};
    // Immediate mode: what glBegin opened and the vertices given since.
    GLenum primitive = 0;
    std::vector<LayerVertex> input;
    size_t inputCount = 0;
    // What goes to GLES: triangles or points, and the widened lines' corners
    // (their program reads no texture coordinate, so they are uploaded
    // without one).
    std::vector<LayerVertex> output;
    std::vector<LineCorner> lineCorners;
    // Each line's edge for the shader that covers it, once per corner (only
    // where lines are covered in the shader).
    std::vector<LineQuad> lineQuads;
    GLuint vertexBuffers[kVertexBuffers] = {};
    int nextBuffer = 0;
    GLuint lineIndices = 0; // (0 1 2) (0 2 3) for each line of a batch
    ClientArray vertexArray, colorArray;
    // Rasterisation.
    float lineWidth = 1.0f;
    float pointSizeRange[2] = {1.0f, 1.0f};
    bool texture2D = false; // on unit 0, the only unit the production textures
    GLenum activeUnit = GL_TEXTURE0;
    bool depthTest = false;
    // What GL_CLAMP becomes (InitLayer says why).
    GLint clampWrap = GL_MIRRORED_REPEAT;
    // A depth renderbuffer is stored with stencil and attached as both
    // (WebGL 1's only depth format of more than 16 bits).
    bool depthWithStencil = false;
    GLint viewport[4] = {0, 0, 0, 0};
    std::vector<GLint> viewportStack;   // four values per glPushAttrib
    std::vector<GLint> pixelStoreStack; // pack, unpack alignment per push
    GLuint drawFramebuffer = 0;
    // Programs: the current one of the production's (0: fixed function), the
    // layer's own, and the built-ins of each linked program.
    GLuint program = 0;
    GLuint colorProgram = 0, textureProgram = 0, vertexColorProgram = 0;
    // How lines are drawn, and the widest the context draws itself.
    LineDrawing lineDrawing = LineDrawing::Triangles;
    float contextLineWidth = 0.0f;
    // The program of lines whose pixels the fragment shader chooses, and its
    // uniform: the flip of the layer's window y, and the width.
    GLuint coveredLineProgram = 0;
    GLint lineSpace = -1;
    GLint flatColor[2] = {-1, -1}; // of colorProgram, textureProgram
    GLint textureFlat = -1;        // of textureProgram: 1 where flatColor holds
    std::vector<ProgramBuiltins> programs;
    // Textures' level 0 by name; the read-back's RGBA rows.
    std::map<GLuint, TextureLevel0> textures;
    std::vector<unsigned char> readRgba;
};

extern LayerState gLayer;

// Compiles the layer's programs and sizes the buffers; once per context.
bool InitLayer();
void DrawLinesBy(LineDrawing way);
// Whether the context's extension string names `name`.
bool HasExtension(const char* name);
