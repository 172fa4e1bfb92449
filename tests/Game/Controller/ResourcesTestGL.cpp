#include "Game/Resources/GameResources.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <gtest/gtest.h>

#include "tests/support/GLTestContext.h"

namespace {

constexpr int32_t width = 320;
constexpr int32_t height = 200;

// Loaded once per process: every test reads the same set.
struct LoadedResources {
    std::string output;
    GLenum firstError = GL_NO_ERROR;
    std::unique_ptr<Game::GameResources> resources;
};

const LoadedResources& loaded()
{
    GLTesting::ensureContext();
    static const LoadedResources result = [] {
        LoadedResources load;
        testing::internal::CaptureStdout();
        load.resources = std::make_unique<Game::GameResources>(width, height);
        load.output = testing::internal::GetCapturedStdout();
        load.firstError = glGetError();
        while (glGetError() != GL_NO_ERROR) {
        }
        return load;
    }();
    return result;
}

class ResourcesGLTest : public GLTesting::GLTest {
protected:
    const Game::GameResources& resources = *loaded().resources;
};

// A texture parameter, or from `level` on that level's width, as a float.
GLfloat textureValue(const Engine::GFX::Texture2D& texture, GLenum parameter, GLint level = -1)
{
    GLfloat value = 0.0f;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    if (level < 0) {
        glGetTexParameterfv(GL_TEXTURE_2D, parameter, &value);
    } else {
        glGetTexLevelParameterfv(GL_TEXTURE_2D, level, parameter, &value);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

bool hasMipmaps(const Engine::GFX::Texture2D& texture)
{
    return textureValue(texture, GL_TEXTURE_WIDTH, 1) > 0.0f;
}

GLint samplerParameter(const Game::Sampler& sampler, GLenum parameter)
{
    GLint value = 0;
    glGetSamplerParameteriv(sampler.name, parameter, &value);
    return value;
}

TEST_F(ResourcesGLTest, LoadingFindsEveryFileWithoutAGLErrorAndEveryProgramLinks)
{
    EXPECT_EQ(loaded().firstError, static_cast<GLenum>(GL_NO_ERROR));
    // The order of the stages logged is checked with the whole game's start-up.
    const std::string& output = loaded().output;
    EXPECT_EQ(output.find("MISSING FILE"), std::string::npos) << output;

    const Shader* programs[] = {
        resources.defaultShader.get(), resources.skeletalShader.get(), resources.shaderDefaultWithColorID.get(),
        resources.shaderSceneMapMRT.get(), resources.shaderEntity.get(), resources.shaderSkybox.get(),
        resources.shaderRope.get(), resources.shaderMapGeometry.get(), resources.shaderDepthVisualisation.get(),
        resources.shaderFinalComposit.get(), resources.shaderMaxDepthWrite.get(),
        resources.shaderEdgeDetection.get(), resources.shaderFloor.get(), resources.shaderFontDefault.get(),
        resources.shaderPhysicsDebug.get(), resources.shaderUiBackground.get(),
        resources.shaderDefaultPremultipliedAlpha.get(), resources.shaderEntitySelection.get(),
        resources.shaderEditorAxis.get(), resources.shaderEditorAxisID.get()};
    for (const Shader* program : programs) {
        ASSERT_NE(program, nullptr);
        GLint linked = GL_FALSE;
        glGetProgramiv(program->program, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked, GL_TRUE);
    }
}

TEST_F(ResourcesGLTest, EveryImageIsLoadedWithTheFilteringItIsDrawnWith)
{
    const Engine::GFX::Texture2D* textures[] = {
        resources.gridTexture.get(), resources.uiTestBoxTexture.get(), resources.buttonTexture.get(),
        resources.buttonPressedTexture.get(), resources.buttonHoverTexture.get(), resources.whiteTexture.get(),
        resources.mouseCursorTexture.get(), resources.createToolTexture.get(), resources.translateToolTexture.get(),
        resources.scaleToolTexture.get(), resources.rotateToolTexture.get()};
    for (const Engine::GFX::Texture2D* texture : textures) {
        ASSERT_NE(texture, nullptr);
        EXPECT_GT(texture->width * texture->height, 0u);
    }
    // The sky box is clamped and has no mipmaps so its cells do not bleed; the crosshair stays sharp.
    const struct { const Engine::GFX::Texture2D* texture; GLfloat min, mag; bool mipmaps, anisotropic; } rows[] = {
        {resources.hexagonTexture.get(), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, true, true},
        {resources.defaultTexture.get(), GL_NEAREST_MIPMAP_LINEAR, GL_NEAREST, true, true},
        {resources.skyboxTexture.get(), GL_LINEAR, GL_LINEAR, false, true},
        {resources.crosshairTexture.get(), GL_NEAREST, GL_NEAREST, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "texture " << row.texture->name);
        EXPECT_EQ(textureValue(*row.texture, GL_TEXTURE_MIN_FILTER), row.min);
        EXPECT_EQ(textureValue(*row.texture, GL_TEXTURE_MAG_FILTER), row.mag);
        EXPECT_EQ(hasMipmaps(*row.texture), row.mipmaps);
        EXPECT_GT(row.texture->width, 0u);
        if (row.anisotropic) {
            EXPECT_EQ(textureValue(*row.texture, GL_TEXTURE_MAX_ANISOTROPY_EXT), Game::maxAnisotropy());
        }
    }
    EXPECT_TRUE(hasMipmaps(*resources.gridTexture));
    EXPECT_EQ(textureValue(*resources.skyboxTexture, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(textureValue(*resources.skyboxTexture, GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
}

TEST_F(ResourcesGLTest, FloorSamplerIsTrilinearRepeatingAnisotropicAndEdgeSamplerNearestClamped)
{
    const struct { const Game::Sampler* sampler; GLint min, mag, wrap; } rows[] = {
        {resources.floorSampler.get(), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, GL_REPEAT},
        {resources.edgeSampler.get(), GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "sampler " << row.sampler->name);
        EXPECT_EQ(samplerParameter(*row.sampler, GL_TEXTURE_MIN_FILTER), row.min);
        EXPECT_EQ(samplerParameter(*row.sampler, GL_TEXTURE_MAG_FILTER), row.mag);
        EXPECT_EQ(samplerParameter(*row.sampler, GL_TEXTURE_WRAP_S), row.wrap);
        EXPECT_EQ(samplerParameter(*row.sampler, GL_TEXTURE_WRAP_T), row.wrap);
    }
    GLfloat anisotropy = 0.0f;
    glGetSamplerParameterfv(resources.floorSampler->name, GL_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
    EXPECT_EQ(anisotropy, Game::maxAnisotropy());
    EXPECT_GT(anisotropy, 1.0f);
}

TEST(ResourcesAnisotropy, RequestIsKeptWithinTheDriversRangeAndBelowOneAsksForItsLargest)
{
    const struct { float requested, expected; } rows[] = {
        {0.0f, 16.0f}, {-2.0f, 16.0f}, {0.5f, 16.0f}, {1.0f, 1.0f}, {2.5f, 2.5f}, {16.0f, 16.0f}, {64.0f, 16.0f},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Game::chooseAnisotropy(row.requested, 16.0f), row.expected) << row.requested;
    }
}

TEST_F(ResourcesGLTest, FramebuffersHaveTheWindowSizeAndTheirTargets)
{
    const Game::RenderTarget* targets[] = {resources.sceneFBO.get(), resources.edgeFBO.get(),
                                           resources.pickingFBO.get()};
    for (const Game::RenderTarget* target : targets) {
        EXPECT_EQ(target->framebuffer.width, static_cast<uint32_t>(width));
        EXPECT_EQ(target->framebuffer.height, static_cast<uint32_t>(height));
        EXPECT_EQ(target->colour(0).width, static_cast<uint32_t>(width));
    }
    EXPECT_EQ(resources.sceneFBO->colours.size(), 2u);
    EXPECT_NE(resources.sceneFBO->depthTexture, nullptr);
    EXPECT_EQ(resources.sceneFBO->framebuffer.drawBuffers.size(), 2u);
    EXPECT_EQ(resources.edgeFBO->depthTexture, nullptr);

    // The picking pass keeps a depth buffer of its own.
    glBindFramebuffer(GL_FRAMEBUFFER, resources.pickingFBO->framebuffer.name);
    GLint depthType = GL_NONE;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &depthType);
    EXPECT_EQ(depthType, GL_RENDERBUFFER);
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST_F(ResourcesGLTest, CharacterTextsAndEditorAxisAreReadyToDraw)
{
    ASSERT_FALSE(resources.animatedModel->bones.empty());
    ASSERT_EQ(resources.boneMatrices.size(), resources.animatedModel->bones.size());
    EXPECT_FALSE(resources.skeleton->nodes.empty());
    EXPECT_GT(resources.runningClip->duration, 0.0f);
    EXPECT_TRUE(resources.fpsText->hasGeometry);
    // Two lines are taller than one.
    EXPECT_GT(resources.speedText->height, resources.fpsText->height);
    // The axis mesh's parts are checked as it loads.
    EXPECT_NE(resources.editorAxisMesh, nullptr);
}

// The CPU copy of attribute `index`, as vectors of N floats.
template <int N>
std::vector<glm::vec<N, float>> attribute(const Engine::GFX::VAO& model, uint32_t index)
{
    const auto* data = static_cast<const glm::vec<N, float>*>(model.buffers.at(index).getData());
    return std::vector<glm::vec<N, float>>(data, data + model.elementCounts.at(index) / N);
}

TEST_F(ResourcesGLTest, FloorQuadRepeatsOncePerMetreAndRopeSpansOneUnitUp)
{
    const auto positions = attribute<3>(*resources.floorQuad, 0);
    const auto normals = attribute<3>(*resources.floorQuad, 1);
    const auto texcoords = attribute<2>(*resources.floorQuad, 3);
    for (const glm::vec3& normal : normals) EXPECT_EQ(normal, glm::vec3(0.0f, 0.0f, 1.0f));
    for (size_t i = 0; i < positions.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "corner " << i);
        EXPECT_EQ(std::abs(positions[i].x), 80.0f);
        EXPECT_EQ(std::abs(positions[i].y), 80.0f);
        // 160 repeats over 160 metres: the texture coordinate changes as fast as the position.
        EXPECT_FLOAT_EQ(std::abs(texcoords[i].x - texcoords[0].x), std::abs(positions[i].x - positions[0].x));
    }

    // The rope cylinder spans one unit upwards.
    float lowest = 1e9f;
    float highest = -1e9f;
    for (const glm::vec3& position : attribute<3>(*resources.ropeCylinder, 0)) {
        lowest = std::min(lowest, position.z);
        highest = std::max(highest, position.z);
        EXPECT_LE(glm::length(glm::vec2(position)), 0.025f + 1e-6f) << position.z;
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_EQ(highest, 1.0f);
}

} // namespace
