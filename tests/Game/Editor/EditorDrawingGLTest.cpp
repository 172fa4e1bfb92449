#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Engine/Graphics/RenderTarget.h"
#include "Game/Editor/EditorDrawing.h"
#include "Game/Editor/EditorPicking.h"
#include "Game/Editor/EditorState.h"
#include "tests/support/GLTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_precision.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Game::EditorState;
using Pixel = glm::u8vec4;

constexpr uint32_t targetSize = 64;
constexpr int sphereSlices = 24;
constexpr int sphereStacks = 12;
const glm::vec3 xHandle(0.6f, 0.0f, 0.0f);
const glm::vec3 yHandle(0.0f, 0.6f, 0.0f);
const glm::vec3 zHandle(0.0f, 0.0f, 0.6f);
constexpr float handleRadius = 0.1f;

struct PartShape {
    const char* name;
    glm::vec3 centre;
    float radius;
};

// A gizmo of spheres with smooth normals, so the picking shapes grow evenly.
std::unique_ptr<Engine::GFX::Mesh::Model3Di> makeAxisMesh()
{
    const PartShape shapes[] = {
        {"center", glm::vec3(0.0f), 0.07f},
        {"center_sphere", glm::vec3(0.0f), 0.11f},
        {"x_axis_transform", xHandle, handleRadius},
        {"y_axis_transform", yHandle, handleRadius},
        {"z_axis_transform", zHandle, handleRadius},
    };
    auto mesh = std::make_unique<Engine::GFX::Mesh::Model3Di>();
    Engine::GFX::Mesh::MeshBuilder all;
    std::vector<uint32_t> indices;
    for (const PartShape& shape : shapes) {
        const auto first = static_cast<uint32_t>(all.vertexCount());
        all.addSphere(shape.centre, shape.radius, sphereSlices, sphereStacks, glm::vec4(1.0f));
        const auto count = static_cast<uint32_t>(all.vertexCount()) - first;
        mesh->nameToIndex.emplace(shape.name, static_cast<int32_t>(mesh->parts.size()));
        mesh->parts.push_back({static_cast<uint32_t>(indices.size()), count, first});
        for (uint32_t i = 0; i < count; ++i) indices.push_back(i);
    }
    mesh->setBuffer(0, all.positions);
    mesh->setBuffer(1, all.normals);
    mesh->setBuffer(all.colors);
    mesh->setBuffer(all.texcoords);
    mesh->indexData = std::make_unique<uint32_t[]>(indices.size());
    std::copy(indices.begin(), indices.end(), mesh->indexData.get());
    mesh->indexCount = static_cast<uint32_t>(indices.size());
    mesh->upload();
    return mesh;
}

class EditorDrawingTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        axisShader = shaders.load("shaderEditorAxis");
        axisIdShader = shaders.load("shaderEditorAxisID");
        axisMesh = makeAxisMesh();
        gizmo = Game::GizmoResources{axisShader.get(), axisIdShader.get(), axisMesh.get()};
        target = std::make_unique<Game::RenderTarget>(targetSize, targetSize, 1, Game::DepthStorage::Renderbuffer);
        clearTarget();
        lookFromCorner();
    }

    void TearDown() override
    {
        glDisable(GL_DEPTH_TEST);
        GLTest::TearDown();
    }

    void clearTarget()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer.name);
        glViewport(0, 0, targetSize, targetSize);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
    }

    // Every handle in sight, none in front of another.
    void lookFromCorner()
    {
        matrices.view = glm::lookAt(glm::vec3(3.0f), glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
        matrices.projection = glm::perspective(glm::radians(40.0f), 1.0f, 0.1f, 20.0f);
    }

    // Straight down at the x-y plane, 1/32 of a unit per pixel.
    void lookFromAbove()
    {
        matrices.view = glm::lookAt(glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, 0.1f, 10.0f);
    }

    glm::ivec2 pixelOf(const glm::vec3& point) const
    {
        const glm::vec4 clip = matrices.projection * matrices.view * glm::vec4(point, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return glm::ivec2((ndc + 1.0f) * 0.5f * static_cast<float>(targetSize));
    }

    Pixel pixelAt(const glm::vec3& point) const
    {
        const glm::ivec2 pixel = pixelOf(point);
        Pixel value(0);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, target->framebuffer.name);
        glReadPixels(pixel.x, pixel.y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &value);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        return value;
    }

    size_t drawnPixels() const
    {
        std::vector<Pixel> pixels(targetSize * targetSize);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, target->framebuffer.name);
        glReadPixels(0, 0, targetSize, targetSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), [](Pixel p) { return p != Pixel(0); }));
    }

    ShaderCollection shaders;
    std::unique_ptr<Shader> axisShader;
    std::unique_ptr<Shader> axisIdShader;
    std::unique_ptr<Engine::GFX::Mesh::Model3Di> axisMesh;
    Game::GizmoResources gizmo;
    std::unique_ptr<Game::RenderTarget> target;
    MatrixState matrices{nullptr};
    EditorState editor;
};

TEST_F(EditorDrawingTest, WithoutSelectionOnlyThePickingPassDrawsEachHandlesIdInRedAtTheGizmoPosition)
{
    Game::drawEditorGizmo(editor, matrices, gizmo);
    EXPECT_EQ(drawnPixels(), 0u);

    Game::drawEditorPickingPass(editor, matrices, gizmo);
    EXPECT_EQ(pixelAt(xHandle), Pixel(1, 0, 0, 255));
    EXPECT_EQ(pixelAt(yHandle), Pixel(EditorState::yAxis, 0, 0, 255));
    EXPECT_EQ(pixelAt(zHandle), Pixel(EditorState::zAxis, 0, 0, 255));
    EXPECT_EQ(pixelAt(glm::vec3(0.0f)), Pixel(EditorState::centreAxis, 0, 0, 255));
    EXPECT_EQ(pixelAt(glm::vec3(0.6f, 0.6f, 0.0f)), Pixel(0));

    clearTarget();
    editor.gizmoPosition = glm::vec3(0.0f, 0.0f, -0.4f);
    Game::drawEditorPickingPass(editor, matrices, gizmo);
    EXPECT_EQ(pixelAt(xHandle + editor.gizmoPosition).r, EditorState::xAxis);
    EXPECT_EQ(pixelAt(zHandle).r, 0) << "drawn at the gizmo position";
}

TEST_F(EditorDrawingTest, PickingShapesAreEnlargedBeyondTheVisibleHandles)
{
    lookFromAbove();
    // Outside the handle's radius of 0.1, inside it grown by 0.06.
    Game::drawEditorPickingPass(editor, matrices, gizmo);
    EXPECT_EQ(pixelAt(xHandle + glm::vec3(0.0f, 0.13f, 0.0f)).r, EditorState::xAxis);
    EXPECT_EQ(pixelAt(xHandle + glm::vec3(0.0f, 0.19f, 0.0f)).r, 0);
}

TEST_F(EditorDrawingTest, TheGizmoShowsEachHandleInItsCurrentColour)
{
    editor.selection[7] = 8;
    editor.xColours.current = editor.xColours.highlight;
    glEnable(GL_BLEND);
    Game::drawEditorGizmo(editor, matrices, gizmo);

    EXPECT_EQ(pixelAt(xHandle), Pixel(255, 102, 102, 255));
    EXPECT_EQ(pixelAt(yHandle), Pixel(76, 255, 0, 255));
    EXPECT_EQ(pixelAt(zHandle), Pixel(0, 148, 255, 255));
    EXPECT_EQ(pixelAt(glm::vec3(0.0f)), Pixel(255, 255, 255, 255));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(EditorDrawingTest, ThePickingReadReturnsTheRedByteUnderTheMouseClampedIntoTheTarget)
{
    Game::drawEditorPickingPass(editor, matrices, gizmo);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    const glm::ivec2 x = pixelOf(xHandle);
    EXPECT_EQ(Game::readPickingRed(target->framebuffer, x.x, x.y), EditorState::xAxis);
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0);

    clearTarget();
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, targetSize - 1, 1, 1);
    glClearColor(7.0f / 255.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    EXPECT_EQ(Game::readPickingRed(target->framebuffer, -20, 5000), 7);
}

TEST(EditorPicking, PositionsAreClampedIntoTheTarget)
{
    EXPECT_EQ(Game::clampToTarget(-3, 10, 64, 32), glm::ivec2(0, 10));
    EXPECT_EQ(Game::clampToTarget(64, 32, 64, 32), glm::ivec2(63, 31));
    EXPECT_EQ(Game::clampToTarget(5, 5, 0, 0), glm::ivec2(0, 0));
}

} // namespace
