#include "ShaderGLFixture.h"

#include <algorithm>
#include <map>

#include <glm/gtx/string_cast.hpp>

#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Graphics/VertexLayout.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "tests/support/GLTestContext.h"

namespace ShaderTesting {

namespace {

constexpr float byteScale = 255.0f;

Engine::GFX::Mesh::MeshBuilder quadBuilder(glm::vec2 lowerLeft, glm::vec2 upperRight,
                                           glm::vec2 repeat = glm::vec2(1.0f))
{
    Engine::GFX::Mesh::MeshBuilder builder;
    builder.addQuad(lowerLeft, upperRight, glm::vec4(1.0f), glm::vec2(0.0f), repeat);
    return builder;
}

std::unique_ptr<Engine::GFX::VAO> standardModel(const Engine::GFX::Mesh::MeshBuilder& builder,
                                                const Engine::GFX::VertexLayout& layout)
{
    auto vao = std::make_unique<Engine::GFX::VAO>(layout);
    vao->setBuffer(0, builder.positions);
    vao->setBuffer(1, builder.normals);
    vao->setBuffer(builder.colors);
    vao->setBuffer(builder.texcoords);
    return vao;
}

} // namespace

const Shader& program(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<Shader>> programs;
    std::unique_ptr<Shader>& built = programs[name];
    if (!built) {
        built = ShaderCollection().load(name);
    }
    return *built;
}

ShaderGLTest::ShaderGLTest()
{
    GLTesting::ensureContext();
}

void ShaderGLTest::TearDown()
{
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glUseProgram(0);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void ShaderGLTest::use(const std::string& name, const glm::mat4& model)
{
    matrices.use(program(name));
    matrices.setModel(model);
    // As in the frame: the sky lies on the far plane, where the cleared depth is.
    glDepthFunc(name == "shaderSkybox" ? GL_LEQUAL : GL_LESS);
}

int32_t ShaderGLTest::uniform(const std::string& programName, const std::string& uniformName) const
{
    return program(programName).getUniformLocation(uniformName);
}

RenderTarget::RenderTarget(uint32_t colourTargets)
    : fbo(size, size)
{
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    for (uint32_t i = 0; i < colourTargets; ++i) {
        colours.push_back(
            std::make_unique<Engine::GFX::Texture2D>(Engine::GFX::TextureFormat::RGBA8, size, size));
        fbo.attachTexture(*colours.back());
    }
    depth = std::make_unique<Engine::GFX::Texture2D>(Engine::GFX::TextureFormat::Depth24, size, size);
    fbo.finish();
    bind();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

RenderTarget::~RenderTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void RenderTarget::bind() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    glViewport(0, 0, size, size);
}

std::vector<Rgba> RenderTarget::pixels(uint32_t target) const
{
    std::vector<Rgba> result(size * size);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo.name);
    glReadBuffer(GL_COLOR_ATTACHMENT0 + target);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, result.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    return result;
}

Rgba RenderTarget::pixel(uint32_t target, uint32_t x, uint32_t y) const
{
    return pixels(target)[y * size + x];
}

std::unique_ptr<Engine::GFX::Texture2D> makeTexture(const std::vector<Rgba>& pixels, uint32_t width,
                                                    uint32_t height)
{
    auto texture = std::make_unique<Engine::GFX::Texture2D>();
    texture->width = width;
    texture->height = height;
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0,
                 GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

std::unique_ptr<Engine::GFX::Texture2D> makeSolidTexture(Rgba colour)
{
    return makeTexture({colour}, 1, 1);
}

void bindTexture(uint32_t unit, const Engine::GFX::Texture2D& texture)
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glActiveTexture(GL_TEXTURE0);
}

std::unique_ptr<Engine::GFX::VAO> makeStandardQuad(glm::vec2 lowerLeft, glm::vec2 upperRight)
{
    auto vao = standardModel(quadBuilder(lowerLeft, upperRight), Engine::GFX::standardLayout);
    vao->upload();
    return vao;
}

std::unique_ptr<Engine::GFX::VAO> makeMapQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, glm::vec2 repeat)
{
    const Engine::GFX::Mesh::MeshBuilder builder = quadBuilder(lowerLeft, upperRight, repeat);
    auto vao = standardModel(builder, Engine::GFX::mapLayout);
    vao->setBuffer(4, std::vector<glm::vec3>(builder.vertexCount(), glm::vec3(1.0f / byteScale, 0.0f, 0.0f)));
    vao->upload();
    return vao;
}

std::unique_ptr<Engine::GFX::VAO> makeSkinnedQuad(glm::vec2 lowerLeft, glm::vec2 upperRight, uint32_t boneId,
                                                  float boneWeight)
{
    const Engine::GFX::Mesh::MeshBuilder builder = quadBuilder(lowerLeft, upperRight);
    const auto count = static_cast<uint32_t>(builder.vertexCount());
    auto texcoords = std::make_unique<float[]>(count * 2);
    auto weights = std::make_unique<float[]>(count * 4);
    auto boneIds = std::make_unique<uint32_t[]>(count * 4);
    for (uint32_t i = 0; i < count; ++i) {
        texcoords[i * 2] = builder.texcoords[i].x;
        texcoords[i * 2 + 1] = builder.texcoords[i].y;
        weights[i * 4] = boneWeight;
        std::fill_n(&boneIds[i * 4], 4, boneId);
    }
    auto vao = std::make_unique<Engine::GFX::VAO>(Engine::GFX::skinnedLayout);
    vao->setBuffer(0, builder.positions);
    vao->setBuffer(1, builder.normals);
    vao->setBuffer(2, std::move(texcoords), count * 2);
    vao->setBuffer(3, std::move(boneIds), count * 4);
    vao->setBuffer(4, std::move(weights), count * 4);
    vao->upload();
    return vao;
}

std::unique_ptr<Engine::GFX::VAO> makeSphere(float radius)
{
    constexpr int slices = 24;
    constexpr int stacks = 12;
    Engine::GFX::Mesh::MeshBuilder builder;
    builder.addSphere(glm::vec3(0.0f), radius, slices, stacks, glm::vec4(1.0f));
    auto vao = standardModel(builder, Engine::GFX::standardLayout);
    vao->upload();
    return vao;
}

testing::AssertionResult nearRgba(Rgba actual, Rgba expected, int slack)
{
    const glm::ivec4 difference = glm::abs(glm::ivec4(actual) - glm::ivec4(expected));
    if (glm::all(glm::lessThanEqual(difference, glm::ivec4(slack)))) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "got " << glm::to_string(glm::ivec4(actual)) << ", expected "
                                       << glm::to_string(glm::ivec4(expected)) << " within " << slack;
}

} // namespace ShaderTesting
