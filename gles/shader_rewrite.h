// GLSL 1.20 to GLSL ES 1.00, at load: the #version line gives way to the
// precision (highp floats and samplers: llvmpipe runs mediump and lowp as
// real 16-bit arithmetic where the CPU has half floats) and a declaration of
// each built-in the source uses, as the attribute, uniform or varying the
// layer feeds (zgl_<name>). A vertex stage that writes gl_PointSize gets a
// new main that culls a point whose centre lies outside the view volume, as
// the desktop does, when the layer draws points. Line numbers stay those of
// the file where it starts with #version. Pure function.
#pragma once

#include <string>

struct RewrittenShader {
    bool ok = false;
    std::string source; // GLSL ES 1.00 when ok
    std::string error;  // names the built-in the layer does not offer
};

RewrittenShader RewriteShader(const std::string& source, bool vertexStage);

// The source GLES is given in place of one that cannot be rewritten: its
// compile fails with `error` in the log, as the desktop's would fail.
std::string FailingSource(const std::string& error);
