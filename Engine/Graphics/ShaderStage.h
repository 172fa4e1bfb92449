#pragma once

#include <cstdint>
#include <string>

// One compiled GL shader object of a Shader program.
class ShaderStage {
public:
    // stageType is GL_VERTEX_SHADER or GL_FRAGMENT_SHADER.
    explicit ShaderStage(uint32_t stageType);
    ~ShaderStage();
    ShaderStage(const ShaderStage&) = delete;
    ShaderStage& operator=(const ShaderStage&) = delete;

    // A failure is reported on standard output with the source and the GL log.
    bool compile(const std::string& text);

    uint32_t name = 0;
    std::string source;

private:
    void reportFailure() const;
    void printInfoLog() const;
};
