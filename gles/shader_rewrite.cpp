#include "gles/shader_rewrite.h"

#include <cctype>

namespace {

// The built-ins the layer offers in place of the desktop's: name, stage
// (0 both, 1 vertex, 2 fragment), the layer's name and its declaration.
struct Builtin {
    const char* name;
    int stage;
    const char* replacement;
    const char* declarations[3];
};

const Builtin kBuiltins[] = {
    {"gl_Vertex", 1, "zgl_Vertex", {"attribute vec4 zgl_Vertex;"}},
    {"gl_Color", 1, "zgl_Color", {"attribute vec4 zgl_Color;"}},
    {"gl_Color", 2, "zgl_FrontColor", {"varying vec4 zgl_FrontColor;"}},
    {"gl_FrontColor", 1, "zgl_FrontColor", {"varying vec4 zgl_FrontColor;"}},
    {"gl_MultiTexCoord0", 1, "zgl_MultiTexCoord0", {"attribute vec4 zgl_MultiTexCoord0;"}},
    {"gl_TexCoord[0]", 0, "zgl_TexCoord0", {"varying vec4 zgl_TexCoord0;"}},
    {"gl_ModelViewMatrix", 0, "zgl_ModelViewMatrix", {"uniform mat4 zgl_ModelViewMatrix;"}},
    {"gl_ProjectionMatrix", 0, "zgl_ProjectionMatrix", {"uniform mat4 zgl_ProjectionMatrix;"}},
    {"gl_ModelViewProjectionMatrix",
     0,
     "zgl_ModelViewProjectionMatrix",
     {"uniform mat4 zgl_ModelViewProjectionMatrix;"}},
    // GLSL ES declares gl_FragCoord mediump, which would make the arithmetic
    // on it mediump, 16-bit on llvmpipe; read through a highp copy.
    {"gl_FragCoord", 2, "zgl_FragCoord()", {"highp vec4 zgl_FragCoord() { return gl_FragCoord; }"}},
    {"ftransform",
     1,
     "zgl_ftransform",
     {"attribute vec4 zgl_Vertex;", "uniform mat4 zgl_ModelViewProjectionMatrix;",
      "vec4 zgl_ftransform() { return zgl_ModelViewProjectionMatrix * zgl_Vertex; }"}},
};

// GLSL ES 1.00 has these itself.
const char* const kNative[] = {"gl_Position",  "gl_PointSize",   "gl_FragColor", "gl_FragData",
                               "gl_FragCoord", "gl_FrontFacing", "gl_PointCoord"};

const char kPrecision[] = "precision highp float; precision highp sampler2D; ";

const char kPointCull[] = "\nuniform float zgl_PointCull;\n"
                          "void main() {\n"
                          "    zgl_main();\n"
                          "    if (zgl_PointCull > 0.5 &&\n"
                          "        any(greaterThan(abs(gl_Position.xyz), vec3(gl_Position.w))))\n"
                          "        gl_Position = vec4(0.0, 0.0, 2.0, 1.0);\n"
                          "}\n";

bool IdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

struct Rewriter {
    const std::string& in;
    bool vertex;
    std::string body;
    std::string declarations;
    std::string error;
    bool writesPointSize = false;

    void Declare(const Builtin& b) {
        for (const char* d : b.declarations)
            if (d && declarations.find(d) == std::string::npos)
                declarations += std::string(d) + " ";
    }

    // gl_TexCoord[k] is one name, index and all; the characters it spans.
    size_t IndexedName(size_t at, size_t length, std::string& name) const {
        size_t j = at + length;
        while (j < in.size() && in[j] == ' ')
            ++j;
        const size_t close = in.find(']', j);
        if (j >= in.size() || in[j] != '[' || close == std::string::npos)
            return length;
        std::string index;
        for (size_t k = j + 1; k < close; ++k)
            if (in[k] != ' ')
                index += in[k];
        name += "[" + index + "]";
        return close + 1 - at;
    }

    // The identifier at `at`: written as the layer's, or an error. Returns
    // the characters used.
    size_t Identifier(size_t at, size_t length) {
        std::string name = in.substr(at, length);
        const size_t used = name == "gl_TexCoord" ? IndexedName(at, length, name) : length;
        const int stage = vertex ? 1 : 2;
        if (name == "main" && vertex) {
            body += "zgl_main";
            return used;
        }
        for (const Builtin& b : kBuiltins) {
            if (name == b.name && (b.stage == 0 || b.stage == stage)) {
                body += b.replacement;
                Declare(b);
                return used;
            }
        }
        if (name.compare(0, 3, "gl_") == 0) {
            bool native = false;
            for (const char* n : kNative)
                native = native || name == n;
            writesPointSize = writesPointSize || name == "gl_PointSize";
            if (!native && error.empty())
                error = "the shader uses " + name + ", which the GLES 2 layer does not offer";
        }
        body += in.substr(at, used);
        return used;
    }

    void Run() {
        size_t i = 0;
        const size_t n = in.size();
        bool lineStart = true;
        bool versionDropped = false;
        while (i < n) {
            const char c = in[i];
            if (lineStart && in.compare(i, 8, "#version") == 0) {
                const size_t end = in.find('\n', i);
                i = end == std::string::npos ? n : end;
                body += "\x01"; // where the declarations go
                versionDropped = true;
                continue;
            }
            lineStart = c == '\n' ? true : (c == ' ' || c == '\t' ? lineStart : false);
            if (in.compare(i, 2, "//") == 0) {
                const size_t end = in.find('\n', i);
                const size_t stop = end == std::string::npos ? n : end;
                body += in.substr(i, stop - i);
                i = stop;
            } else if (in.compare(i, 2, "/*") == 0) {
                const size_t end = in.find("*/", i + 2);
                const size_t stop = end == std::string::npos ? n : end + 2;
                body += in.substr(i, stop - i);
                i = stop;
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                size_t j = i;
                while (j < n && (IdentifierChar(in[j]) || in[j] == '.'))
                    ++j;
                body += in.substr(i, j - i);
                i = j;
            } else if (IdentifierStart(c)) {
                size_t j = i;
                while (j < n && IdentifierChar(in[j]))
                    ++j;
                i += Identifier(i, j - i);
            } else {
                body += c;
                ++i;
            }
        }
        if (!versionDropped)
            body = "\x01\n" + body;
    }
};

} // namespace

RewrittenShader RewriteShader(const std::string& source, bool vertexStage) {
    Rewriter r{source, vertexStage, {}, {}, {}};
    r.Run();
    RewrittenShader out;
    if (!r.error.empty()) {
        out.error = r.error;
        return out;
    }
    const size_t mark = r.body.find('\x01');
    r.body.replace(mark, 1, kPrecision + r.declarations);
    if (vertexStage) {
        if (r.writesPointSize)
            r.body += kPointCull;
        else
            r.body += "\nvoid main() { zgl_main(); }\n";
    }
    out.ok = true;
    out.source = r.body;
    return out;
}

std::string FailingSource(const std::string& error) {
    return "#error " + error + "\n";
}
