#include "Engine/Graphics/ShaderStage.h"

#include <cstdio>
#include <vector>

#include <GL/glew.h>

namespace {
constexpr const char* sourceFrame = "================================";
}

ShaderStage::ShaderStage(uint32_t stageType)
    : name(glCreateShader(stageType))
{
}

ShaderStage::~ShaderStage()
{
    glDeleteShader(name);
}

bool ShaderStage::compile(const std::string& text)
{
    source = text;
    const GLchar* sources[] = {source.c_str()};
    glShaderSource(name, 1, sources, nullptr);
    glCompileShader(name);
    GLint status = 0;
    glGetShaderiv(name, GL_COMPILE_STATUS, &status);
    if (status == GL_TRUE) {
        return true;
    }
    reportFailure();
    return false;
}

void ShaderStage::reportFailure() const
{
    std::printf("Unable to compile shader %d!\n", static_cast<int>(name));
    std::printf("%s", sourceFrame);
    std::printf("%s", source.c_str());
    std::printf("%s", sourceFrame);
    if (glIsShader(name)) {
        printInfoLog();
    } else {
        std::printf("Name %d is not a shader\n", static_cast<int>(name));
    }
}

void ShaderStage::printInfoLog() const
{
    GLint length = 0;
    glGetShaderiv(name, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) {
        return;
    }
    std::vector<GLchar> log(static_cast<size_t>(length));
    GLsizei written = 0;
    glGetShaderInfoLog(name, length, &written, log.data());
    if (written > 0) {
        std::printf("%s\n", log.data());
    }
}
