#include "Engine/Graphics/Shader.h"

#include <glm/gtc/type_ptr.hpp>

#include <string>

#include <GL/glew.h>

#include "Engine/Base/Assert.h"
#include "Engine/Base/Log.h"
#include "Engine/Graphics/ShaderDeclarations.h"

namespace {
constexpr GLint unlinkedLocation = -1;
}

Shader::Shader(const std::string& vertexSource, const std::string& fragmentSource)
    : program(glCreateProgram())
{
    vertexStage = std::make_unique<ShaderStage>(GL_VERTEX_SHADER);
    vertexStage->compile(vertexSource);
    fragmentStage = std::make_unique<ShaderStage>(GL_FRAGMENT_SHADER);
    fragmentStage->compile(fragmentSource);
    glAttachShader(program, vertexStage->name);
    glAttachShader(program, fragmentStage->name);
    link();
}

Shader::~Shader()
{
    glDeleteProgram(program);
    vertexStage.reset();
    fragmentStage.reset();
}

bool Shader::link()
{
    ShaderDeclarations found;
    scanShaderDeclarations(vertexStage->source, found);
    scanShaderDeclarations(fragmentStage->source, found);
    attributes = found.attributes;
    for (size_t i = 0; i < attributes.size(); ++i) {
        glBindAttribLocation(program, static_cast<GLuint>(i), attributes[i].c_str());
    }
    const bool linked = linkProgram();
    collectLocations(found.uniforms, found.samplers, linked);
    return linked;
}

bool Shader::hasUniform(const std::string& uniform) const
{
    return uniforms.find(uniform) != uniforms.end();
}

int32_t Shader::getUniformLocation(const std::string& uniform) const
{
    GAME_ASSERT(hasUniform(uniform) == true);
    return uniforms.at(uniform);
}

void Shader::setUniform(const std::string& uniform, float value) const
{
    if (hasUniform(uniform)) glUniform1f(uniforms.at(uniform), value);
}

void Shader::setUniform(const std::string& uniform, const glm::vec2& value) const
{
    if (hasUniform(uniform)) glUniform2fv(uniforms.at(uniform), 1, glm::value_ptr(value));
}

void Shader::setUniform(const std::string& uniform, const glm::vec3& value) const
{
    if (hasUniform(uniform)) glUniform3fv(uniforms.at(uniform), 1, glm::value_ptr(value));
}

void Shader::setUniform(const std::string& uniform, const glm::vec4& value) const
{
    if (hasUniform(uniform)) glUniform4fv(uniforms.at(uniform), 1, glm::value_ptr(value));
}

void Shader::setUniform(const std::string& uniform, const glm::mat3& value) const
{
    if (hasUniform(uniform)) glUniformMatrix3fv(uniforms.at(uniform), 1, GL_FALSE, glm::value_ptr(value));
}

void Shader::setUniform(const std::string& uniform, const glm::mat4* values, int32_t count) const
{
    if (hasUniform(uniform) && count > 0) glUniformMatrix4fv(uniforms.at(uniform), count, GL_FALSE, glm::value_ptr(values[0]));
}

bool Shader::linkProgram()
{
    glLinkProgram(program);
    glValidateProgram(program);
    GLint status = GL_TRUE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    if (status != GL_TRUE) {
        Engine::log("Error linking program " + std::to_string(program) + "!");
        return false;
    }
    return true;
}

// Names are entered even for a program that failed to link, with location -1,
// so callers keep working and GL ignores their uploads. Asking GL about an
// unlinked program would only add a GL error to the link message.
void Shader::collectLocations(const std::vector<std::string>& uniformNames,
                              const std::vector<std::string>& samplerNames, bool linked)
{
    const auto locate = [&](const std::string& name) {
        return linked ? glGetUniformLocation(program, name.c_str()) : unlinkedLocation;
    };
    for (const std::string& uniform : uniformNames) {
        uniforms.emplace(uniform, locate(uniform));
    }
    for (const std::string& sampler : samplerNames) {
        const GLint location = locate(sampler);
        samplers.emplace(sampler, location);
        samplerLocations.push_back(location);
    }
}
