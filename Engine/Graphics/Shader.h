#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Graphics/ShaderStage.h"

// A GLSL program built from one vertex and one fragment source. Attribute i
// of the sources (in declaration order) is bound to location i before
// linking, and sampler i is meant for texture unit i (MatrixState::use sets
// the units). A failed compile or link is reported on standard output and
// leaves a program that draws nothing useful; the caller is not told.
class Shader {
public:
    Shader(const std::string& vertexSource, const std::string& fragmentSource);
    ~Shader();
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    // Scans the stages' sources, binds attributes, links and looks up the
    // uniform and sampler locations. Run once by the constructor.
    bool link();

    // False for sampler names, which are kept apart.
    bool hasUniform(const std::string& uniform) const;
    // Only for names with hasUniform(uniform) == true.
    int32_t getUniformLocation(const std::string& uniform) const;

    // Set a uniform of this program, which must be in use; a name the program
    // does not have (declared but optimised away, or never declared) is passed
    // over, so one pass can feed programs that use a part of its values.
    void setUniform(const std::string& uniform, float value) const;
    void setUniform(const std::string& uniform, const glm::vec2& value) const;
    void setUniform(const std::string& uniform, const glm::vec3& value) const;
    void setUniform(const std::string& uniform, const glm::vec4& value) const;
    void setUniform(const std::string& uniform, const glm::mat3& value) const;
    void setUniform(const std::string& uniform, const glm::mat4* values, int32_t count) const;

    uint32_t program = 0;
    std::vector<std::string> attributes;
    std::map<std::string, int32_t> uniforms;
    std::map<std::string, int32_t> samplers;
    // Index = texture unit; a sampler declared in both stages appears twice.
    std::vector<int32_t> samplerLocations;
    std::unique_ptr<ShaderStage> vertexStage;
    std::unique_ptr<ShaderStage> fragmentStage;

private:
    bool linkProgram();
    void collectLocations(const std::vector<std::string>& uniformNames,
                          const std::vector<std::string>& samplerNames, bool linked);
};
