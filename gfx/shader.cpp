#include "gfx/shader.h"

#include "gfx/source_hash.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// A shader source is a few kilobytes. The cap keeps a nonsense length (a
// directory reports one on some file systems) from becoming an allocation.
constexpr std::streamoff kMaxSourceBytes = 16 << 20;

// The whole file as text: CR LF arrives as LF, as text mode does on the
// production's home platform, so both line ends compile alike everywhere.
// Empty when the file is missing, unreadable, empty or absurdly large.
std::vector<char> ReadSourceText(const std::string& fileName) {
    std::ifstream file(fileName);
    if (!file)
        return {};
    file.seekg(0, std::ios::end);
    const std::streamoff length = file ? std::streamoff(file.tellg()) : 0;
    if (length <= 0 || length > kMaxSourceBytes)
        return {};
    file.seekg(0, std::ios::beg);

    std::vector<char> text(size_t(length) + 1, '\0');
    size_t count = 0;
    char c;
    while (file.get(c)) {
        if (c == '\n' && count > 0 && text[count - 1] == '\r')
            --count;
        text[count++] = c;
    }
    text[count] = '\0';
    if (count == 0)
        return {};
    return text;
}

const char* StageName(GLenum stageType) {
    switch (stageType) {
    case GL_VERTEX_SHADER:
        return "VERTEX";
    case GL_GEOMETRY_SHADER:
        return "GEOMETRY";
    case GL_FRAGMENT_SHADER:
        return "FRAGMENT";
    default:
        return "UNKNOWN";
    }
}

// Drivers put warnings in the log of a successful compile too, so the log is
// shown whenever it holds more than its terminating NUL.
void PrintCompileLog(const std::string& fileName, GLenum stageType, GLuint shaderObject) {
    GLint logLength = 0;
    glGetShaderiv(shaderObject, GL_INFO_LOG_LENGTH, &logLength);
    if (logLength <= 1)
        return;
    std::vector<char> log(size_t(logLength), '\0');
    glGetShaderInfoLog(shaderObject, logLength, nullptr, log.data());
    log.back() = '\0';
    std::printf("%s %s shader :\n%s\n", fileName.c_str(), StageName(stageType), log.data());
}

// An empty program log still means a failed link: the line is printed with
// nothing after it so the failure is visible, and the result stays false.
void PrintLinkLog(GLuint program) {
    GLint logLength = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &logLength);
    std::vector<char> log(size_t(logLength > 0 ? logLength : 1), '\0');
    if (logLength > 0)
        glGetProgramInfoLog(program, logLength, nullptr, log.data());
    log.back() = '\0';
    std::printf("LINK : %s\n", log.data());
}

bool LoadStage(GLuint program, const std::string& fileName, GLenum stageType, GLuint& shaderObject,
               std::uint64_t& sourceHash) {
    if (fileName.empty())
        return true;
    if (!CompileStage(fileName, stageType, shaderObject, &sourceHash))
        return false;
    glAttachShader(program, shaderObject);
    return true;
}

} // namespace

bool CompileStage(const std::string& fileName, GLenum stageType, GLuint& shaderObject,
                  std::uint64_t* sourceHash) {
    std::printf("Shader::Load %s\n", fileName.c_str());
    const std::vector<char> source = ReadSourceText(fileName);
    if (source.empty())
        return false;
    if (sourceHash)
        *sourceHash = SourceHash(*sourceHash, source.data(), std::strlen(source.data()));

    shaderObject = glCreateShader(stageType);
    const GLchar* text = source.data();
    glShaderSource(shaderObject, 1, &text, nullptr);
    glCompileShader(shaderObject);

    GLint compiled = 1;
    glGetShaderiv(shaderObject, GL_COMPILE_STATUS, &compiled);
    PrintCompileLog(fileName, stageType, shaderObject);
    if (compiled)
        return true;
    glDeleteShader(shaderObject);
    return false;
}

bool Shader::Load(std::string vertexFile, std::string geometryFile, std::string fragmentFile) {
    program = glCreateProgram();
    if (program == 0)
        return false;
    sourceHash = kSourceHashStart;
    if (!LoadStage(program, vertexFile, GL_VERTEX_SHADER, vertexShader, sourceHash) ||
        !LoadStage(program, geometryFile, GL_GEOMETRY_SHADER, geometryShader, sourceHash) ||
        !LoadStage(program, fragmentFile, GL_FRAGMENT_SHADER, fragmentShader, sourceHash))
        return false;

    glLinkProgram(program);
    GLint linked = 1;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked)
        return true;
    PrintLinkLog(program);
    glDeleteProgram(program);
    return false;
}

void Shader::Bind() {
    glUseProgram(program);
}

void Shader::Unbind() {
    glUseProgram(0);
}

namespace {

// Never cached: a uniform the program lacks, or one the driver dropped as
// inactive, is reported every time it is set, so the fault shows every frame.
GLint FindUniform(GLuint program, const char* name) {
    const GLint location = glGetUniformLocation(program, name);
    if (location < 0)
        std::printf("Uniform %s not found!\n", name);
    return location;
}

} // namespace

void Shader::SetUniform1i(const char* name, int v) {
    const GLint location = FindUniform(program, name);
    if (location >= 0)
        glUniform1i(location, v);
}

void Shader::SetUniform1f(const char* name, float v) {
    const GLint location = FindUniform(program, name);
    if (location >= 0)
        glUniform1f(location, v);
}

void Shader::SetUniform2f(const char* name, float v0, float v1) {
    const GLint location = FindUniform(program, name);
    if (location >= 0)
        glUniform2f(location, v0, v1);
}

void Shader::SetUniform4f(const char* name, float v0, float v1, float v2, float v3) {
    const GLint location = FindUniform(program, name);
    if (location >= 0)
        glUniform4f(location, v0, v1, v2, v3);
}
