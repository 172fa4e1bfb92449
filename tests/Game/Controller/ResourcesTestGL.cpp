#include "Game/Controller/GameResources.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <gtest/gtest.h>

#include "tests/Game/UI/GLContext.h"

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
    GameGLTesting::ensureContext();
    static const LoadedResources result = [] {
        LoadedResources load;
        testing::internal::CaptureStdout();
        load.resources = std::make_unique<Game::GameResources>(width, height);
        load.output = testing::internal::GetCapturedStdout();
        load.firstError = glGetError();
        GameGLTesting::drainGLErrors();
        return load;
    }();
    return result;
}

class ResourcesGLTest : public GameGLTesting::GLTest {
protected:
    const Game::GameResources& resources = *loaded().resources;
};

GLint textureParameter(const Engine::GFX::Texture2D& texture, GLenum parameter)
{
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

GLfloat textureAnisotropy(const Engine::GFX::Texture2D& texture)
{
    GLfloat value = 0.0f;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

GLint levelWidth(const Engine::GFX::Texture2D& texture, GLint level)
{
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

GLint samplerParameter(const Game::Sampler& sampler, GLenum parameter)
{
    GLint value = 0;
    glGetSamplerParameteriv(sampler.name, parameter, &value);
    return value;
}

GLint programLinked(const Shader& shader)
{
    GLint linked = GL_FALSE;
    glGetProgramiv(shader.program, GL_LINK_STATUS, &linked);
    return linked;
}

GLint vertexCount(const Engine::GFX::VAO& model)
{
    return static_cast<GLint>(model.elementCounts.at(0) / model.componentCounts.at(0));
}

TEST_F(ResourcesGLTest, LoadingLogsItsStagesInOrderWithoutAGLError)
{
    EXPECT_EQ(loaded().firstError, static_cast<GLenum>(GL_NO_ERROR));
    const std::string& output = loaded().output;
    const size_t shaders = output.find("SHADERGEN\n");
    const size_t shadersDone = output.find("SHADER END\n");
    const size_t meshes = output.find("Mesh Loading\n");
    ASSERT_NE(shaders, std::string::npos) << output;
    ASSERT_NE(shadersDone, std::string::npos) << output;
    ASSERT_NE(meshes, std::string::npos) << output;
    EXPECT_LT(shaders, shadersDone);
    EXPECT_LT(shadersDone, meshes);
    EXPECT_EQ(output.find("MISSING FILE"), std::string::npos) << output;
}

TEST_F(ResourcesGLTest, EveryShaderProgramLinks)
{
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
        EXPECT_EQ(programLinked(*program), GL_TRUE);
    }
    EXPECT_TRUE(resources.shaderUiBackground->hasUniform("uBackgroundColor"));
    EXPECT_TRUE(resources.skeletalShader->hasUniform("uBones"));
}

TEST_F(ResourcesGLTest, EveryImageIsLoaded)
{
    const Engine::GFX::Texture2D* textures[] = {
        resources.gridTexture.get(), resources.defaultTexture.get(), resources.hexagonTexture.get(),
        resources.skyboxTexture.get(), resources.crosshairTexture.get(), resources.uiTestBoxTexture.get(),
        resources.buttonTexture.get(), resources.buttonPressedTexture.get(), resources.buttonHoverTexture.get(),
        resources.whiteTexture.get(), resources.mouseCursorTexture.get(), resources.createToolTexture.get(),
        resources.translateToolTexture.get(), resources.scaleToolTexture.get(), resources.rotateToolTexture.get()};
    for (const Engine::GFX::Texture2D* texture : textures) {
        ASSERT_NE(texture, nullptr);
        EXPECT_GT(texture->width, 0u);
        EXPECT_GT(texture->height, 0u);
    }
}

TEST_F(ResourcesGLTest, SurfaceTexturesAreMipmappedAndFilteredAsTheyAreDrawn)
{
    EXPECT_GT(levelWidth(*resources.gridTexture, 1), 0);
    EXPECT_GT(levelWidth(*resources.hexagonTexture, 1), 0);
    EXPECT_EQ(textureParameter(*resources.hexagonTexture, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(*resources.hexagonTexture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(*resources.defaultTexture, GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(*resources.defaultTexture, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(textureAnisotropy(*resources.defaultTexture), Game::maxAnisotropy());
    EXPECT_EQ(textureAnisotropy(*resources.hexagonTexture), Game::maxAnisotropy());
}

TEST_F(ResourcesGLTest, SkyBoxIsClampedSoItsCellsDoNotBleed)
{
    EXPECT_EQ(textureParameter(*resources.skyboxTexture, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(textureParameter(*resources.skyboxTexture, GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(textureParameter(*resources.skyboxTexture, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureAnisotropy(*resources.skyboxTexture), Game::maxAnisotropy());
    EXPECT_EQ(levelWidth(*resources.skyboxTexture, 1), 0);
}

TEST_F(ResourcesGLTest, CrosshairStaysSharp)
{
    EXPECT_EQ(textureParameter(*resources.crosshairTexture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(*resources.crosshairTexture, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
}

TEST_F(ResourcesGLTest, FloorSamplerIsTrilinearRepeatingAndMostAnisotropic)
{
    const Game::Sampler& floor = *resources.floorSampler;
    EXPECT_EQ(samplerParameter(floor, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(samplerParameter(floor, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(samplerParameter(floor, GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(samplerParameter(floor, GL_TEXTURE_WRAP_T), GL_REPEAT);
    GLfloat anisotropy = 0.0f;
    glGetSamplerParameterfv(floor.name, GL_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
    EXPECT_EQ(anisotropy, Game::maxAnisotropy());
    EXPECT_GT(anisotropy, 1.0f);
}

TEST_F(ResourcesGLTest, EdgeSamplerIsNearestAndClamped)
{
    const Game::Sampler& edge = *resources.edgeSampler;
    EXPECT_EQ(samplerParameter(edge, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(samplerParameter(edge, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(samplerParameter(edge, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(samplerParameter(edge, GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
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
    ASSERT_NE(resources.sceneFBO->depthTexture, nullptr);
    EXPECT_EQ(resources.sceneFBO->framebuffer.drawBuffers.size(), 2u);
    EXPECT_EQ(resources.edgeFBO->colours.size(), 1u);
    EXPECT_EQ(resources.edgeFBO->depthTexture, nullptr);
    EXPECT_EQ(resources.pickingFBO->colours.size(), 1u);
    EXPECT_NE(resources.pickingFBO->depthRenderbuffer, 0u);
}

TEST_F(ResourcesGLTest, PickingTargetKeepsDepthForItsOwnPass)
{
    glBindFramebuffer(GL_FRAMEBUFFER, resources.pickingFBO->framebuffer.name);
    GLint depthType = GL_NONE;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &depthType);
    EXPECT_EQ(depthType, GL_RENDERBUFFER);
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
}

TEST_F(ResourcesGLTest, CharacterHasOneIdentityBoneMatrixPerBone)
{
    ASSERT_FALSE(resources.animatedModel->bones.empty());
    ASSERT_EQ(resources.boneMatrices.size(), resources.animatedModel->bones.size());
    for (const glm::mat4& matrix : resources.boneMatrices) {
        EXPECT_EQ(matrix, glm::mat4(1.0f));
    }
    EXPECT_FALSE(resources.skeleton->nodes.empty());
    EXPECT_GT(resources.runningClip->duration, 0.0f);
}

TEST_F(ResourcesGLTest, TextMeshesAreBuiltWithTheirFirstTexts)
{
    EXPECT_EQ(resources.speedText->text, "OpenGL Game Engine\nFont Rendering Test");
    EXPECT_EQ(resources.fpsText->text, "FPS");
    EXPECT_TRUE(resources.speedText->hasGeometry);
    EXPECT_TRUE(resources.fpsText->hasGeometry);
    // Two lines are taller than one.
    EXPECT_GT(resources.speedText->height, resources.fpsText->height);
    EXPECT_EQ(resources.speedText->font, resources.font.get());
}

TEST_F(ResourcesGLTest, CameraRecordsFollowTheWindowSize)
{
    EXPECT_FLOAT_EQ(resources.defaultCamera.width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(resources.defaultCamera.height, static_cast<float>(height));
    const glm::vec4 corner = resources.uiCamera.projection * resources.uiCamera.view *
                             glm::vec4(static_cast<float>(width), static_cast<float>(height), 0.0f, 1.0f);
    EXPECT_NEAR(corner.x, 1.0f, 1e-5f);
    EXPECT_NEAR(corner.y, 1.0f, 1e-5f);
}

TEST_F(ResourcesGLTest, GeneratedMeshesHaveTheirShapesVertexCounts)
{
    // A latitude-longitude sphere has slices x (2 stacks - 1) triangles.
    EXPECT_EQ(vertexCount(*resources.yellowSphere), 6 * (2 * 6 - 1) * 3);
    EXPECT_EQ(vertexCount(*resources.redSphere), 32 * (2 * 16 - 1) * 3);
    EXPECT_EQ(vertexCount(*resources.smallGreenSphere), 5 * (2 * 5 - 1) * 3);
    EXPECT_EQ(vertexCount(*resources.whiteCube), 36);
    EXPECT_EQ(vertexCount(*resources.ropeCylinder), 192);
    EXPECT_EQ(vertexCount(*resources.floorQuad), 6);
    EXPECT_EQ(vertexCount(*resources.uiQuad), 6);
    EXPECT_EQ(vertexCount(*resources.unitQuad), 6);
}

// The CPU copy of attribute `index`, as vectors of N floats.
template <int N>
std::vector<glm::vec<N, float>> attribute(const Engine::GFX::VAO& model, uint32_t index)
{
    const auto* data = static_cast<const glm::vec<N, float>*>(model.buffers.at(index).getData());
    return std::vector<glm::vec<N, float>>(data, data + model.elementCounts.at(index) / N);
}

TEST_F(ResourcesGLTest, FloorQuadFacesUpAndRepeatsItsTextureOncePerMetre)
{
    const auto positions = attribute<3>(*resources.floorQuad, 0);
    const auto normals = attribute<3>(*resources.floorQuad, 1);
    const auto texcoords = attribute<2>(*resources.floorQuad, 3);
    for (const glm::vec3& normal : normals) {
        EXPECT_EQ(normal, glm::vec3(0.0f, 0.0f, 1.0f));
    }
    for (size_t i = 0; i < positions.size(); ++i) {
        EXPECT_EQ(std::abs(positions[i].x), 80.0f);
        EXPECT_EQ(std::abs(positions[i].y), 80.0f);
        // 160 repeats over 160 metres: the texture coordinate changes as fast as the position.
        EXPECT_FLOAT_EQ(std::abs(texcoords[i].x - texcoords[0].x), std::abs(positions[i].x - positions[0].x));
    }
}

TEST_F(ResourcesGLTest, RopeCylinderSpansOneUnitUpwards)
{
    float lowest = 1e9f;
    float highest = -1e9f;
    for (const glm::vec3& position : attribute<3>(*resources.ropeCylinder, 0)) {
        lowest = std::min(lowest, position.z);
        highest = std::max(highest, position.z);
        EXPECT_LE(glm::length(glm::vec2(position)), 0.025f + 1e-6f);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_EQ(highest, 1.0f);
}

TEST_F(ResourcesGLTest, EditorAxisMeshHasThePartsTheGizmoDraws)
{
    for (const char* part : {"center", "center_sphere", "x_axis_transform", "y_axis_transform", "z_axis_transform"}) {
        EXPECT_EQ(resources.editorAxisMesh->nameToIndex.count(part), 1u) << part;
    }
}

} // namespace
