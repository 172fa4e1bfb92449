#include "Engine/ECS/EntityManager.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Scene/TransformComponent.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

using Game::MapGeometry;

constexpr size_t verticesPerBlock = 36;

std::tuple<float, float, float> key(const glm::vec3& v)
{
    return {v.x, v.y, v.z};
}

class MapGeometryTest : public ::testing::Test {
protected:
    MapGeometryTest() { world.registerComponent<TransformComponent>(); }

    uint32_t addBlock(const glm::vec3& position, const glm::vec3& size)
    {
        const glm::quat turn = glm::angleAxis(glm::radians(30.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, TransformComponent(position, size, turn));
        world.refresh();
        map.blocks.push_back(entity);
        return entity;
    }

    MapGeometry assemble() { return Game::assembleMapGeometry(map.blocks, world, pool); }

    Engine::ECS::EntityManager world;
    Game::GameMap map;
    Game::ColorIdPool pool;
};

TEST_F(MapGeometryTest, EveryBlockGivesThirtySixVerticesAndSixFaceIdsTakenFromThePoolInOrder)
{
    addBlock(glm::vec3(0.0f), glm::vec3(1.0f));
    addBlock(glm::vec3(5.0f, 0.0f, 0.0f), glm::vec3(2.0f, 3.0f, 4.0f));
    const MapGeometry geometry = assemble();

    ASSERT_EQ(geometry.vertexCount(), 2 * verticesPerBlock);
    for (const size_t size : {geometry.colorIds.size(), geometry.mesh.normals.size(), geometry.mesh.colors.size(),
                              geometry.mesh.texcoords.size()}) {
        ASSERT_EQ(size, geometry.vertexCount());
    }
    Game::ColorIdPool expected;
    std::set<std::tuple<float, float, float>> ids;
    for (size_t face = 0; face < geometry.vertexCount() / 6; ++face) {
        const glm::vec3 id = expected.take().toColor();
        for (size_t v = 0; v < 6; ++v) EXPECT_EQ(geometry.colorIds[face * 6 + v], id) << "face " << face;
        ids.insert(key(id));
    }
    EXPECT_EQ(ids.size(), 12u);
    EXPECT_EQ(geometry.colorIds.front(), glm::vec3(0.0f, 0.0f, 1.0f / 255.0f));
}

TEST_F(MapGeometryTest, TheVerticesAreTheCornersOfTheTurnedScaledBlockAndTheTopTextureSpansItsWidthAndDepth)
{
    const glm::vec3 position(3.0f, -2.0f, 7.0f);
    const glm::vec3 size(2.0f, 4.0f, 0.5f);
    const uint32_t block = addBlock(position, size);
    const MapGeometry geometry = assemble();

    const TransformComponent& transform = world.getComponent<TransformComponent>(block);
    const glm::mat4 blockMatrix = glm::translate(glm::mat4(1.0f), position) * glm::mat4_cast(transform.rotation) *
                                  glm::scale(glm::mat4(1.0f), size);
    const glm::mat4 toBlock = glm::inverse(blockMatrix);
    for (const glm::vec3& vertex : geometry.mesh.positions) {
        const glm::vec3 local(toBlock * glm::vec4(vertex, 1.0f));
        for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(std::abs(local[axis]), 0.5f, 1e-4f);
    }
    // The top face's texture spans the block's width and depth.
    const auto top = geometry.mesh.texcoords.begin();
    glm::vec2 lowest = *top;
    glm::vec2 highest = *top;
    for (auto texcoord = top; texcoord != top + 6; ++texcoord) {
        lowest = glm::min(lowest, *texcoord);
        highest = glm::max(highest, *texcoord);
    }
    EXPECT_EQ(lowest, glm::vec2(0.0f));
    EXPECT_EQ(highest, glm::vec2(size));
}

TEST_F(MapGeometryTest, BlocksThatLostTheirTransformAreSkippedAndTakeNoIds)
{
    const uint32_t gone = addBlock(glm::vec3(0.0f), glm::vec3(1.0f));
    addBlock(glm::vec3(4.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    world.destroyEntity(gone);
    world.refresh();

    const MapGeometry geometry = assemble();
    EXPECT_EQ(geometry.vertexCount(), verticesPerBlock);
    EXPECT_EQ(geometry.colorIds.front(), (Game::ColorId{0, 0, 1}.toColor()));
    EXPECT_EQ(pool.take(), (Game::ColorId{6, 0, 1}));
}

TEST_F(MapGeometryTest, AnEmptyBlockListLeavesNoModel)
{
    Game::rebuildMapModel(map, world, pool);
    EXPECT_EQ(map.mergedModel, nullptr);
    EXPECT_EQ(pool.take(), (Game::ColorId{0, 0, 1}));
}

TEST(MapRebuildCountdown, ARequestedRebuildIsDueTwoStepsLaterAndOnlyOnce)
{
    Game::GameMap map;
    EXPECT_FALSE(Game::advanceRebuildCountdown(map));
    Game::requestMapRebuild(map);
    std::vector<bool> due;
    for (int step = 0; step < 3; ++step) due.push_back(Game::advanceRebuildCountdown(map));
    EXPECT_EQ(due, (std::vector<bool>{false, true, false}));
}

} // namespace
