// The production's programs: sources rewritten for GLES at load, the
// built-ins' attributes bound before the link and their uniforms found after.
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"
#include "gles/shader_rewrite.h"

#include <string>

void zgl_ShaderSource(GLuint shader, GLsizei count, const GLchar* const* sources,
                      const GLint* lengths) {
    std::string source;
    for (GLsizei i = 0; i < count; ++i) {
        if (lengths && lengths[i] >= 0)
            source.append(sources[i], static_cast<size_t>(lengths[i]));
        else
            source += sources[i];
    }
    GLint stage = 0;
    glGetShaderiv(shader, GL_SHADER_TYPE, &stage);
    const RewrittenShader rewritten = RewriteShader(source, stage == GL_VERTEX_SHADER);
    const std::string text = rewritten.ok ? rewritten.source : FailingSource(rewritten.error);
    const GLchar* pointer = text.c_str();
    glShaderSource(shader, 1, &pointer, nullptr);
}

void zgl_LinkProgram(GLuint program) {
    if (!LinkWithLayerAttributes(program))
        return;
    ProgramBuiltins b;
    b.program = program;
    b.modelView = glGetUniformLocation(program, "zgl_ModelViewMatrix");
    b.projection = glGetUniformLocation(program, "zgl_ProjectionMatrix");
    b.modelViewProjection = glGetUniformLocation(program, "zgl_ModelViewProjectionMatrix");
    b.pointCull = glGetUniformLocation(program, "zgl_PointCull");
    gLayer.programs.push_back(b);
}

void zgl_UseProgram(GLuint program) {
    gLayer.program = program;
    glUseProgram(program);
}

bool LinkWithLayerAttributes(GLuint program) {
    glBindAttribLocation(program, kAttributeVertex, "zgl_Vertex");
    glBindAttribLocation(program, kAttributeColor, "zgl_Color");
    glBindAttribLocation(program, kAttributeTexCoord, "zgl_MultiTexCoord0");
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    return linked != 0;
}
