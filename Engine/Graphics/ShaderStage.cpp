#include "Engine/Graphics/ShaderStage.h"

#include "Engine/Base/Log.h"

#include <string>
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
    Engine::log("Unable to compile shader " + std::to_string(name) + "!");
    Engine::log(std::string(sourceFrame) + source + sourceFrame);
    if (glIsShader(name)) {
        printInfoLog();
    } else {
        Engine::log("Name " + std::to_string(name) + " is not a shader");
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
        Engine::log(log.data());
    }
}
