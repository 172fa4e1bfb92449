#include "Engine/ECS/EntityManager.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

using Engine::ECS::EntityManager;

// Stand-ins for the game's nineteen component types, one per identifier.
template <uint32_t Id>
struct BenchComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = Id;
    float value = 1.0f;
    int renderGroup = 0;
};

using Transform = BenchComponent<1>;
using Mesh = BenchComponent<14>;

constexpr uint32_t gameComponentTypes = 19;
constexpr int lookupEntities = 2000;
constexpr int committedEntities = 1000;
constexpr int repetitions = 15;

template <uint32_t... Ids>
void registerGameTypes(EntityManager& world, std::integer_sequence<uint32_t, Ids...>)
{
    (world.registerComponent<BenchComponent<Ids + 1>>(), ...);
}

// A system that only carries requirements; its class name places it in the
// world's order like the game system of the same name.
class RequirementSystem : public Engine::ECS::System {
public:
    using System::System;
    void update(uint32_t, float) override {}
};

// The mesh render systems admit one render group each.
template <int Group>
class RenderGroupSystem : public RequirementSystem {
public:
    using RequirementSystem::RequirementSystem;
    bool accepts(uint32_t entity) override { return world->getComponent<Mesh>(entity).renderGroup == Group; }
};

class DefaultMeshRenderSystem : public RenderGroupSystem<0> {
public:
    using RenderGroupSystem::RenderGroupSystem;
};

class SelectedEntityRenderSystem : public RenderGroupSystem<2> {
public:
    using RenderGroupSystem::RenderGroupSystem;
};

#define REQUIREMENT_SYSTEM(Name)                                                                             \
    class Name : public RequirementSystem {                                                                  \
    public:                                                                                                  \
        using RequirementSystem::RequirementSystem;                                                          \
    }

REQUIREMENT_SYSTEM(TestSystem);
REQUIREMENT_SYSTEM(CameraModificationMouseMovementSystem);
REQUIREMENT_SYSTEM(CharacterControllerSystem);
REQUIREMENT_SYSTEM(CameraModificationDeltaSystem);
REQUIREMENT_SYSTEM(FreeCamMovementSystem);
REQUIREMENT_SYSTEM(RigidBodyColliderSystem);
REQUIREMENT_SYSTEM(TransformToCollissionTransformSystem);
REQUIREMENT_SYSTEM(GrapplingHookMeshRenderSysten);
REQUIREMENT_SYSTEM(RotationAnimationSystem);
REQUIREMENT_SYSTEM(CameraDeltaSystem);
REQUIREMENT_SYSTEM(CameraMouseShiftMovementSystem);
REQUIREMENT_SYSTEM(CameraMouseZoomMovementSystem);
REQUIREMENT_SYSTEM(PhysicsMotionStateSystem);
REQUIREMENT_SYSTEM(TransformMatrixRefreshSystem);
REQUIREMENT_SYSTEM(CameraStateCopySystem);
REQUIREMENT_SYSTEM(TransformStateCopySystem);
REQUIREMENT_SYSTEM(CameraModificationStateCopySystem);
REQUIREMENT_SYSTEM(CharacterControllerStateCopySystem);

#undef REQUIREMENT_SYSTEM

// The game world's registration: the same classes, order and requirements.
void registerGameSystems(EntityManager& world)
{
    EntityManager* w = &world;
    world.addSystem(TestSystem(w, {1}));
    world.addSystem(CameraModificationMouseMovementSystem(w, {12, 11}));
    world.addSystem(CharacterControllerSystem(w, {13, 1}));
    world.addSystem(DefaultMeshRenderSystem(w, {14, 1}));
    world.addSystem(CameraModificationDeltaSystem(w, {12, 1, 19}));
    world.addSystem(FreeCamMovementSystem(w, {1, 2, 12}));
    world.addSystem(RigidBodyColliderSystem(w, {16, 17}));
    world.addSystem(TransformToCollissionTransformSystem(w, {16, 1}));
    world.addSystem(GrapplingHookMeshRenderSysten(w, {13, 1}));
    world.addSystem(RotationAnimationSystem(w, {1, 5}));
    world.addSystem(CameraDeltaSystem(w, {19}));
    world.addSystem(SelectedEntityRenderSystem(w, {14, 1}));
    world.addSystem(CameraMouseShiftMovementSystem(w, {19, 9, 1}));
    world.addSystem(CameraMouseZoomMovementSystem(w, {19, 10, 1}));
    world.addSystem(PhysicsMotionStateSystem(w, {1, 16}));
    world.addSystem(TransformMatrixRefreshSystem(w, {1}));
    world.addSystem(CameraStateCopySystem(w, {19}));
    world.addSystem(TransformStateCopySystem(w, {1}));
    world.addSystem(CameraModificationStateCopySystem(w, {12}));
    world.addSystem(CharacterControllerStateCopySystem(w, {13}));
}

std::unique_ptr<EntityManager> makeGameWorld()
{
    auto world = std::make_unique<EntityManager>();
    registerGameTypes(*world, std::make_integer_sequence<uint32_t, gameComponentTypes>{});
    registerGameSystems(*world);
    return world;
}

// Summing one field through getComponent, in the order the entities were made.
void BM_GetComponentSum(benchmark::State& state)
{
    auto world = makeGameWorld();
    std::vector<uint32_t> entities;
    for (int i = 0; i < lookupEntities; ++i) {
        entities.push_back(world->createEntity());
        Transform transform;
        transform.value = static_cast<float>(i);
        world->addComponent(entities.back(), transform);
    }
    world->refresh();

    for (auto _ : state) {
        float sum = 0.0f;
        for (uint32_t entity : entities) sum += world->getComponent<Transform>(entity).value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * lookupEntities);
}
BENCHMARK(BM_GetComponentSum)->Repetitions(repetitions)->ReportAggregatesOnly(true);

// The same data in a plain array, read directly.
void BM_PlainArraySum(benchmark::State& state)
{
    std::vector<Transform> components(lookupEntities);
    for (int i = 0; i < lookupEntities; ++i) components[i].value = static_cast<float>(i);

    for (auto _ : state) {
        float sum = 0.0f;
        for (const Transform& component : components) sum += component.value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * lookupEntities);
}
BENCHMARK(BM_PlainArraySum)->Repetitions(repetitions)->ReportAggregatesOnly(true);

// One refresh committing 1000 new entities with a transform and a mesh each
// (a third of the meshes in render group 2) into the game world's 20 systems.
void BM_RefreshThousandNewEntities(benchmark::State& state)
{
    constexpr int selectedEvery = 3;
    for (auto _ : state) {
        state.PauseTiming();
        auto world = makeGameWorld();
        for (int i = 0; i < committedEntities; ++i) {
            const uint32_t entity = world->createEntity();
            Mesh mesh;
            mesh.renderGroup = (i % selectedEvery == 0) ? 2 : 0;
            world->addComponent(entity, Transform());
            world->addComponent(entity, mesh);
        }
        state.ResumeTiming();

        world->refresh();

        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * committedEntities);
}
BENCHMARK(BM_RefreshThousandNewEntities)
    ->Repetitions(repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
