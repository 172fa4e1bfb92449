#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "Engine/Graphics/RenderTarget.h"
#include "Engine/Graphics/Shader.h"
#include "Engine/Graphics/Texture2D.h"

namespace GLTesting {

// A hidden SDL window with an OpenGL 3.3 core context and GLEW, created once
// per process on first use (death-test children create their own).
void ensureContext();

// Base fixture: a current context before each test, and no GL error left
// behind by the code under test.
class GLTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// GL state does not survive a fork, so death tests re-run the test in a fresh process.
class GLDeathTest : public GLTest {
protected:
    void SetUp() override;
};

using Rgba = glm::u8vec4;

// The engine's render target, square, with one colour texture and a depth
// renderbuffer, bound for drawing with a matching viewport and cleared to
// transparent black; its pixels are read back.
class PixelTarget {
public:
    static constexpr uint32_t size = 8;

    PixelTarget();
    ~PixelTarget();

    Rgba pixel(uint32_t x, uint32_t y) const;
    std::vector<Rgba> pixels() const;
    size_t countPixels(Rgba colour) const;

private:
    Engine::GFX::RenderTarget target;
};

// The vertex stage of the test shaders: the standard attributes, all active.
std::string standardVertexSource();
// Writes the interpolated vertex colour.
std::string colourFragmentSource();

// Runs code with standard output captured and returns what it printed.
template <typename Action>
std::string captureStdout(Action action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

} // namespace GLTesting
