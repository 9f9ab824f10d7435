// Shader: one linked GL program built from up to three stage source files.
// Zero-initialised is "not loaded"; nothing is ever released. GL context
// thread only; GLEW must be initialised before Load.
#pragma once

#include <GL/glew.h>
#include <cstdint>
#include <string>

class Shader {
  public:
    GLuint program;
    GLuint vertexShader;
    GLuint geometryShader;
    GLuint fragmentShader;
    // SourceHash (gfx/source_hash.h) of the stage sources compiled, in stage
    // order: what a caller tells the shipped sources from others by.
    std::uint64_t sourceHash;

    // An empty name skips that stage. True when the program is ready to use.
    bool Load(std::string vertexFile, std::string geometryFile, std::string fragmentFile);
    void Bind();
    void Unbind();
    // Each looks the location up on every call; a missing uniform prints
    // "Uniform %s not found!" and sets nothing.
    void SetUniform1i(const char* name, int v);
    void SetUniform1f(const char* name, float v);
    void SetUniform2f(const char* name, float v0, float v1);
    void SetUniform4f(const char* name, float v0, float v1, float v2, float v3);
};

// The internal step of Shader::Load: reads, creates and compiles one stage
// into `shaderObject`. A given `sourceHash` is carried on over the text read.
bool CompileStage(const std::string& fileName, GLenum stageType, GLuint& shaderObject,
                  std::uint64_t* sourceHash = nullptr);
