#include "gles/layer_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

LayerState gLayer;

namespace {

// The fixed-function programs: vertices arrive in clip coordinates, the
// colour clamped; the texture (unit 0) modulates it, read projectively as the
// desktop's fixed function reads it.
const char kColorVertex[] = "attribute vec4 zgl_Vertex;\n"
                            "attribute vec4 zgl_Color;\n"
                            "attribute vec4 zgl_MultiTexCoord0;\n"
                            "varying vec4 color;\n"
                            "varying vec4 texCoord;\n"
                            "void main() {\n"
                            "    gl_Position = zgl_Vertex;\n"
                            "    color = zgl_Color;\n"
                            "    texCoord = zgl_MultiTexCoord0;\n"
                            "}\n";
// A colour the same at every vertex comes as a uniform: the desktop's colour
// is not divided by an interpolated w, so a constant stays exact there.
// A colour that varies, untextured (lines among them, and the widened lines'
// corners), goes through a program that writes it and nothing else: without
// the choice a software rasteriser shades each pixel block at about two
// thirds of the cost.
const char kVertexColorVertex[] = "attribute vec4 zgl_Vertex;\n"
                                  "attribute vec4 zgl_Color;\n"
                                  "varying vec4 color;\n"
                                  "void main() {\n"
                                  "    gl_Position = zgl_Vertex;\n"
                                  "    color = zgl_Color;\n"
                                  "}\n";
const char kVertexColorFragment[] = "precision highp float;\n"
                                    "varying vec4 color;\n"
                                    "void main() { gl_FragColor = color; }\n";
// Lines covered in the shader: the rasteriser draws each line's quad grown
// a little all round, and the fragment shader keeps the pixels whose
// centres the desktop's rasteriser covers. `quad` holds the line's lower
// long edge, from the corner v1- to v2-, in the rasteriser's sample space
// (window coordinates less half a pixel; multiples of 1/256), major axis
// first, the major coordinate of v1- raised by kYMajor for a y-major line;
// the upper edge lies the width further along the minor axis. The edges'
// fill rule is the rasteriser's: a sample on an edge is in where the inside
// lies towards +x, or, on an edge along the x axis, towards +y.
const char kCoveredLineVertex[] = "attribute vec4 zgl_Vertex;\n"
                                  "attribute vec4 zgl_Color;\n"
                                  "attribute vec4 zgl_MultiTexCoord0;\n"
                                  "varying vec4 color;\n"
                                  "varying vec4 quad;\n"
                                  "void main() {\n"
                                  "    gl_Position = zgl_Vertex;\n"
                                  "    color = zgl_Color;\n"
                                  "    quad = zgl_MultiTexCoord0;\n"
                                  "}\n";
const char kCoveredLineFragment[] =
    "precision highp float;\n"
    "uniform vec4 zgl_LineSpace;\n" // y flip (-1 or 1), K (y = K - y'), width
    "varying vec4 color;\n"
    "varying vec4 quad;\n"
    // The interpolated constants back on their 1/256 grid.
    "float Fixed(float v) { return floor(v * 256.0 + 0.5) / 256.0; }\n"
    // A sample on the edge counts where the inside lies towards +x, or
    // along an edge parallel to the x axis, towards +y.
    "bool In(float e, vec2 inward) {\n"
    "    return e > 0.0 || (e == 0.0 && (inward.x > 0.0 || (inward.x == 0.0 && inward.y > "
    "0.0)));\n"
    "}\n"
    "void main() {\n"
    "    vec4 q = vec4(Fixed(quad.x), Fixed(quad.y), Fixed(quad.z), Fixed(quad.w));\n"
    "    bool yMajor = q.x > " ZGL_Y_MAJOR " - 2048.0;\n"
    "    if (yMajor) q.x -= " ZGL_Y_MAJOR ";\n"
    "    vec2 p = gl_FragCoord.xy;\n"
    "    if (zgl_LineSpace.x < 0.0) p.y = zgl_LineSpace.y - p.y;\n"
    "    p -= 0.5;\n"
    "    vec2 s = yMajor ? p.yx : p;\n" // (major, minor)
    "    if (q.z < q.x) q = q.zwxy;\n"  // the major coordinate grows from v to w
    "    vec2 d = q.zw - q.xy;\n"
    "    float lower = (s.y - q.y) * d.x - (s.x - q.x) * d.y;\n"
    "    float upper = lower - zgl_LineSpace.z * d.x;\n"
    // Inward normals in (major, minor), then as (x, y).
    "    vec2 nStart = vec2(1.0, 0.0), nEnd = vec2(-1.0, 0.0);\n"
    "    vec2 nLower = vec2(-d.y, d.x), nUpper = vec2(d.y, -d.x);\n"
    "    if (yMajor) { nStart = nStart.yx; nEnd = nEnd.yx; nLower = nLower.yx; nUpper = "
    "nUpper.yx; }\n"
    "    if (!(In(s.x - q.x, nStart) && In(q.z - s.x, nEnd) && In(lower, nLower) &&\n"
    "          In(-upper, nUpper)))\n"
    "        discard;\n"
    "    gl_FragColor = color;\n"
    "}\n";
// One colour at every vertex, untextured.
const char kColorFragment[] = "precision highp float;\n"
                              "uniform vec4 zgl_FlatColor;\n"
                              "void main() { gl_FragColor = zgl_FlatColor; }\n";
const char kTextureFragment[] = "precision highp float;\n"
                                "precision highp sampler2D;\n"
                                "uniform sampler2D zgl_Texture;\n"
                                "uniform vec4 zgl_FlatColor;\n"
                                "uniform float zgl_Flat;\n"
                                "varying vec4 color;\n"
                                "varying vec4 texCoord;\n"
                                "void main() {\n"
                                "    vec4 c = zgl_Flat > 0.5 ? zgl_FlatColor : color;\n"
                                "    gl_FragColor = texture2DProj(zgl_Texture, texCoord) * c;\n"
                                "}\n";

GLuint Stage(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "zentrafel GLES layer: a built-in program fails: %s\n", log);
    }
    return shader;
}

GLuint BuiltinProgram(const char* vertex, const char* fragment) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, Stage(GL_VERTEX_SHADER, vertex));
    glAttachShader(program, Stage(GL_FRAGMENT_SHADER, fragment));
    return LinkWithLayerAttributes(program) ? program : 0;
}

// Two triangles a line, (0 1 2) and (0 2 3) of its four corners.
void MakeLineIndices() {
    std::vector<GLushort> indices(kLinesPerBatch * 6);
    const GLushort corners[6] = {0, 1, 2, 0, 2, 3};
    for (size_t line = 0; line < kLinesPerBatch; ++line)
        for (size_t k = 0; k < 6; ++k)
            indices[line * 6 + k] = static_cast<GLushort>(line * 4 + corners[k]);
    glGenBuffers(1, &gLayer.lineIndices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gLayer.lineIndices);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(indices.size() * sizeof(GLushort)), indices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

// The GLES 2 specification rasterises wide lines by the desktop's rule, so
// a context that offers the width draws them itself: one primitive a line,
// where two triangles make a software rasteriser set up and shade most of the
// line's pixel blocks twice. WebGL offers no width but 1, and the layer
// widens lines beyond the context's widest. The desktop's rasteriser snaps
// corners to 1/256 of a pixel; one that snaps more coarsely (WebGL's software
// rasteriser snaps to 1/16) moves a line's edges by up to 1/32 of a pixel and
// with them the pixels along every edge: there the fragment shader decides
// which pixels a line covers. ZENTRAFEL_GLES_LINES=triangles draws every line
// as two triangles, for holding them against the desktop's.
LineDrawing ChooseLineDrawing() {
    GLint bits = 0;
    glGetIntegerv(GL_SUBPIXEL_BITS, &bits);
    if (bits < 8)
        return LineDrawing::Shader;
    const char* choice = std::getenv("ZENTRAFEL_GLES_LINES");
    return choice && std::strcmp(choice, "triangles") == 0 ? LineDrawing::Triangles
                                                           : LineDrawing::Context;
}

float WidestContextLine() {
    GLfloat range[2] = {1.0f, 1.0f};
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
    return range[1];
}

// The desktop's depth buffers have 24 bits, and lines crossing in the line
// field meet within 16 bits' reach: the depth test needs the 24. WebGL 1
// offers no 24-bit depth format alone, but its depth-and-stencil format has
// the 24 bits.
bool DepthWithStencil() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return !HasExtension("GL_OES_depth24") && version && std::strstr(version, "WebGL");
}

// GL_CLAMP mixes the border colour (transparent black, never changed by the
// production) into the outermost half texel; GL_CLAMP_TO_BORDER does exactly
// that where the context has it (an extension of GLES 2, core in ES 3.2).
// Elsewhere (WebGL 1) the mirrored repeat stands in: within 0..1 llvmpipe
// filters it with the same arithmetic as GL_CLAMP, where GL_CLAMP_TO_EDGE
// takes an 8-bit path that rounds otherwise.
GLint ClampWrap() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const bool border = HasExtension("GL_OES_texture_border_clamp") ||
                        HasExtension("GL_EXT_texture_border_clamp") ||
                        (version && std::strncmp(version, "OpenGL ES 3.2", 13) == 0);
    return border ? 0x812D /* GL_CLAMP_TO_BORDER */ : GL_MIRRORED_REPEAT;
}

} // namespace

void DrawLinesBy(LineDrawing way) {
    gLayer.lineDrawing = way;
}

bool HasExtension(const char* name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return all && std::strstr(all, name) != nullptr;
}

bool InitLayer() {
    LayerState& s = gLayer;
    s.colorProgram = BuiltinProgram(kColorVertex, kColorFragment);
    s.textureProgram = BuiltinProgram(kColorVertex, kTextureFragment);
    s.vertexColorProgram = BuiltinProgram(kVertexColorVertex, kVertexColorFragment);
    s.coveredLineProgram = BuiltinProgram(kCoveredLineVertex, kCoveredLineFragment);
    if (!s.colorProgram || !s.textureProgram || !s.vertexColorProgram || !s.coveredLineProgram)
        return false;
    s.lineSpace = glGetUniformLocation(s.coveredLineProgram, "zgl_LineSpace");
    glUseProgram(s.textureProgram);
    glUniform1i(glGetUniformLocation(s.textureProgram, "zgl_Texture"), 0);
    glUseProgram(0);
    s.flatColor[0] = glGetUniformLocation(s.colorProgram, "zgl_FlatColor");
    s.flatColor[1] = glGetUniformLocation(s.textureProgram, "zgl_FlatColor");
    s.textureFlat = glGetUniformLocation(s.textureProgram, "zgl_Flat");
    s.input.resize(kMaxVertices);
    s.output.resize(kMaxVertices / 4 * 6);  // six corners for each quad's four
    s.lineCorners.resize(2 * kMaxVertices); // four corners for each two line ends
    s.lineQuads.resize(s.lineCorners.size());
    s.viewportStack.reserve(4 * 8);
    s.pixelStoreStack.reserve(2 * 8);
    glGenBuffers(kVertexBuffers, s.vertexBuffers);
    for (GLuint buffer : s.vertexBuffers) {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(std::max(s.output.size() * sizeof(LayerVertex),
                                                      s.lineCorners.size() * sizeof(LineCorner))),
                     nullptr, GL_STREAM_DRAW);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    MakeLineIndices();
    glGetIntegerv(GL_VIEWPORT, s.viewport);
    s.clampWrap = ClampWrap();
    s.depthWithStencil = DepthWithStencil();
    s.lineDrawing = ChooseLineDrawing();
    s.contextLineWidth = WidestContextLine();
    s.ready = true;
    return true;
}
