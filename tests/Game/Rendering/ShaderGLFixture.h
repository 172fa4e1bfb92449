#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "Engine/Graphics/FBO.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Shader.h"
#include "Engine/Graphics/Texture2D.h"
#include "Engine/Graphics/VAO.h"

namespace ShaderTesting {

using Rgba = glm::u8vec4;

// The program of that name from the shipped shader list, built once per
// process through the engine's ShaderCollection.
const Shader& program(const std::string& name);

// A current context from construction on, so fixtures may hold GL objects
// as members; no GL error left behind by a test.
class ShaderGLTest : public testing::Test {
protected:
    ShaderGLTest();
    void TearDown() override;

    // Makes the program current through the engine's matrix state, which also
    // points sampler i at texture unit i, and sets its model matrix and the
    // depth test the frame draws it with.
    void use(const std::string& name, const glm::mat4& model = glm::mat4(1.0f));
    int32_t uniform(const std::string& program, const std::string& uniformName) const;

    MatrixState matrices{nullptr};
};

// A square framebuffer like the game's scene framebuffer: RGBA8 colour
// targets and a depth texture, bound for drawing and cleared to zero.
class RenderTarget {
public:
    static constexpr uint32_t size = 32;

    explicit RenderTarget(uint32_t colourTargets);
    ~RenderTarget();

    void bind() const;
    Rgba pixel(uint32_t target, uint32_t x, uint32_t y) const;
    std::vector<Rgba> pixels(uint32_t target) const;
    const Engine::GFX::Texture2D& texture(uint32_t target) const { return *colours.at(target); }

private:
    FBO fbo;
    std::vector<std::unique_ptr<Engine::GFX::Texture2D>> colours;
    std::unique_ptr<Engine::GFX::Texture2D> depth;
};

// An RGBA8 texture of width x height pixels, rows from the bottom up. Made
// on the active unit, which is left with no texture bound.
std::unique_ptr<Engine::GFX::Texture2D> makeTexture(const std::vector<Rgba>& pixels, uint32_t width,
                                                    uint32_t height);
std::unique_ptr<Engine::GFX::Texture2D> makeSolidTexture(Rgba colour);
void bindTexture(uint32_t unit, const Engine::GFX::Texture2D& texture);

// The rectangle from lower-left to upper-right in the plane z = 0, facing +Z,
// texture coordinates 0..1 (0..repeat for the map), white; built for the given layout (standard,
// map with colour id (1, 0, 0) / 255, or skinned with every vertex held by
// bone 0 with weight `boneWeight`).
std::unique_ptr<Engine::GFX::VAO> makeStandardQuad(glm::vec2 lowerLeft, glm::vec2 upperRight);
std::unique_ptr<Engine::GFX::VAO> makeMapQuad(glm::vec2 lowerLeft, glm::vec2 upperRight,
                                              glm::vec2 repeat = glm::vec2(1.0f));
std::unique_ptr<Engine::GFX::VAO> makeSkinnedQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, uint32_t boneId,
                                                  float boneWeight);
// A sphere around the origin with smooth normals (standard layout).
std::unique_ptr<Engine::GFX::VAO> makeSphere(float radius);

// Channel-wise comparison with a tolerance of `slack` byte values.
testing::AssertionResult nearRgba(Rgba actual, Rgba expected, int slack = 2);

} // namespace ShaderTesting
