// One step of a translate drag on the game's 156-block level: the selected
// block's transform and static body move, and the merged level's geometry is
// assembled again (its upload is timed by editor_drag_probe, which needs a
// GL context). The update step that carries it is 10 ms long.
#include "Engine/ECS/EntityManager.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Level/BlockKindComponent.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Resources/GameContext.h"
#include "Game/Scene/TransformComponent.h"

#include <benchmark/benchmark.h>

namespace {

// The level as the game builds it, in a real physics world.
struct EditedLevel {
    EditedLevel()
    {
        world.registerComponent<TransformComponent>();
        world.registerComponent<PhysicsRigidBodyComponent>();
        world.registerComponent<PhysicsColliderComponent>();
        world.registerComponent<BlockKindComponent>();
        world.addSystem(PhysicsMotionStateSystem(&world));
        world.addSystem(RigidBodyColliderSystem(&world, &physics));
        Game::createLevel(map, world);
        world.refresh();
    }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    Game::GameMap map;
    Game::ColorIdPool pool;
};

// The selected block moves 1 cm along x per step, back and forth.
Game::BlockPose nextPose(Game::BlockPose pose, int64_t step)
{
    pose.position.x += (step / 100) % 2 == 0 ? 0.01f : -0.01f;
    return pose;
}

void BM_TranslateStepMovesBody(benchmark::State& state)
{
    EditedLevel level;
    Game::GameContext game;
    game.world = &level.world;
    game.physicsWorld = &level.physics;
    const uint32_t block = level.map.blocks.front();
    int64_t step = 0;
    for (auto _ : state) Game::placeBlock(game, level.map, block, nextPose(Game::poseOf(level.world, block), step++));
}
BENCHMARK(BM_TranslateStepMovesBody);

void BM_TranslateStepWithMergedGeometry(benchmark::State& state)
{
    EditedLevel level;
    Game::GameContext game;
    game.world = &level.world;
    game.physicsWorld = &level.physics;
    const uint32_t block = level.map.blocks.front();
    int64_t step = 0;
    for (auto _ : state) {
        Game::placeBlock(game, level.map, block, nextPose(Game::poseOf(level.world, block), step++));
        Game::MapGeometry geometry = Game::assembleMapGeometry(level.map.blocks, level.world, level.pool);
        for (auto id = geometry.faceIds.rbegin(); id != geometry.faceIds.rend(); ++id) level.pool.release(*id);
        benchmark::DoNotOptimize(geometry);
    }
}
BENCHMARK(BM_TranslateStepWithMergedGeometry);

} // namespace

BENCHMARK_MAIN();
