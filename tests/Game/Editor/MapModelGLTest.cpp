#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Graphics/RenderTarget.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GLTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_precision.hpp>
#include <gtest/gtest.h>

namespace {

constexpr uint32_t verticesPerBlock = 36;
constexpr uint32_t colourIdAttribute = 4;
constexpr uint32_t targetSize = 64;

class MapModelTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        world.registerComponent<TransformComponent>();
    }

    uint32_t addBlock(const glm::vec3& position)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, TransformComponent(position, glm::vec3(1.0f)));
        world.refresh();
        map.blocks.push_back(entity);
        return entity;
    }

    uint32_t modelVertices() const { return map.mergedModel->elementCounts[0] / 3; }

    Engine::ECS::EntityManager world;
    Game::GameMap map;
    Game::ColorIdPool pool;
};

TEST_F(MapModelTest, ARebuildHoldsEveryBlockLeftWithATransformAndNoModelWithoutOne)
{
    const uint32_t first = addBlock(glm::vec3(0.0f));
    const uint32_t second = addBlock(glm::vec3(3.0f, 0.0f, 0.0f));
    addBlock(glm::vec3(6.0f, 0.0f, 0.0f));
    Game::rebuildMapModel(map, world, pool);
    ASSERT_NE(map.mergedModel, nullptr);
    EXPECT_EQ(modelVertices(), 3 * verticesPerBlock);
    EXPECT_EQ(map.mergedModel->elementCounts[colourIdAttribute], 3 * verticesPerBlock * 3);

    world.destroyEntity(first);
    world.refresh();
    map.blocks.pop_back();
    Game::rebuildMapModel(map, world, pool);
    ASSERT_NE(map.mergedModel, nullptr);
    EXPECT_EQ(modelVertices(), verticesPerBlock);

    world.destroyEntity(second);
    world.refresh();
    Game::rebuildMapModel(map, world, pool);
    EXPECT_EQ(map.mergedModel, nullptr);
}

TEST_F(MapModelTest, EachTopFaceShowsItsOwnColourIdToThePickingProgram)
{
    addBlock(glm::vec3(-0.5f, 0.0f, 0.0f));
    addBlock(glm::vec3(0.5f, 0.0f, 0.0f));
    Game::rebuildMapModel(map, world, pool);

    ShaderCollection shaders;
    const std::unique_ptr<Shader> program = shaders.load("shaderDefaultWithColorID");
    Game::RenderTarget target(targetSize, targetSize, 1, Game::DepthStorage::Renderbuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer.name);
    glViewport(0, 0, targetSize, targetSize);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);

    MatrixState matrices(nullptr);
    matrices.view = glm::lookAt(glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, 0.1f, 10.0f);
    matrices.use(*program);
    matrices.setModel(glm::mat4(1.0f));
    map.mergedModel->draw();

    // Pixels over the middle of each block's top face; the second block's
    // top face is the seventh id taken.
    glm::u8vec4 left(0);
    glm::u8vec4 right(0);
    glReadPixels(targetSize / 4, targetSize / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &left);
    glReadPixels(3 * targetSize / 4, targetSize / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &right);
    EXPECT_EQ(left, glm::u8vec4(0, 0, 1, 255));
    EXPECT_EQ(right, glm::u8vec4(6, 0, 1, 255));
}

} // namespace
