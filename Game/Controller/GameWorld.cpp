#include "Game/Controller/GameWorld.h"

#include "Engine/Core/GameEngine.h"
#include "Game/Audio/SoundComponent.h"
#include "Game/Audio/SoundSystem.h"
#include "Game/Audio/InterfaceSoundSystem.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameResources.h"
#include "Game/Level/BlockKindComponent.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Physics/TransformToCollissionTransformSystem.h"
#include "Game/Rendering/DefaultMeshRenderSystem.h"
#include "Game/Rendering/GrapplingHookMeshRenderSysten.h"
#include "Game/Rendering/SelectedEntityRenderSystem.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraModificationDeltaSystem.h"
#include "Game/Scene/CameraModificationMouseMovementSystem.h"
#include "Game/Scene/CameraModificationStateCopySystem.h"
#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"
#include "Game/Scene/CameraStateCopySystem.h"
#include "Game/Physics/CharacterControllerStateCopySystem.h"
#include "Game/Scene/FreeCamMovementSystem.h"
#include "Game/Scene/GameplayComponents.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/RotationAnimationComponent.h"
#include "Game/Scene/RotationAnimationSystem.h"
#include "Game/Scene/TestSystem.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"
#include "Game/Scene/TransformStateCopySystem.h"

namespace Game {

namespace {

Engine::GFX::Drawable* ropeMesh(const GameContext& game)
{
    return game.resources == nullptr ? nullptr : game.resources->ropeCylinder.get();
}

} // namespace

void registerGameComponents(Engine::ECS::EntityManager& world)
{
    world.registerComponent<TransformComponent>();
    world.registerComponent<FreeCamMovementComponent>();
    world.registerComponent<ItemComponent>();
    world.registerComponent<PhysicsComponent>();
    world.registerComponent<RotationAnimationComponent>();
    world.registerComponent<CollisionCallbackComponent>();
    world.registerComponent<HealthComponent>();
    world.registerComponent<ProjectileComponent>();
    world.registerComponent<CameraMouseShiftComponent>();
    world.registerComponent<CameraMouseZoomMoveComponent>();
    world.registerComponent<CameraMouseMovementComponent>();
    world.registerComponent<CameraModificationComponent>();
    world.registerComponent<CharacterControllerComponent>();
    world.registerComponent<MeshComponent>();
    world.registerComponent<GridMaskMeshComponent>();
    world.registerComponent<PhysicsRigidBodyComponent>();
    world.registerComponent<PhysicsColliderComponent>();
    world.registerComponent<AiShootComponent>();
    world.registerComponent<CameraComponent>();
    world.registerComponent<BlockKindComponent>();
    world.registerComponent<Audio::SoundComponent>();
}

// The order fixes the instance numbers and nothing else: the world keeps its
// systems ordered by class name, and the game runs each one by type.
void registerGameSystems(Engine::ECS::EntityManager& world, const GameContext& game)
{
    Engine::ECS::EntityManager* w = &world;
    world.addSystem(TestSystem(w));
    world.addSystem(CameraModificationMouseMovementSystem(w, game.mouse, game.pad));
    world.addSystem(CharacterControllerSystem(w, game.keyboard, game.mouse, game.pad, game.physicsWorld));
    world.addSystem(DefaultMeshRenderSystem(w, game.matrices));
    world.addSystem(CameraModificationDeltaSystem(w));
    world.addSystem(FreeCamMovementSystem(w, game.keyboard));
    world.addSystem(RigidBodyColliderSystem(w, game.physicsWorld));
    world.addSystem(TransformToCollissionTransformSystem(w));
    world.addSystem(GrapplingHookMeshRenderSysten(w, game.matrices, ropeMesh(game)));
    world.addSystem(RotationAnimationSystem(w));
    world.addSystem(CameraDeltaSystem(w));
    world.addSystem(SelectedEntityRenderSystem(w, game.matrices));
    world.addSystem(CameraMouseShiftMovementSystem(w, game.mouse));
    world.addSystem(CameraMouseZoomMovementSystem(w, game.mouse));
    world.addSystem(PhysicsMotionStateSystem(w));
    world.addSystem(TransformMatrixRefreshSystem(w));
    world.addSystem(CameraStateCopySystem(w));
    world.addSystem(TransformStateCopySystem(w));
    world.addSystem(CameraModificationStateCopySystem(w));
    world.addSystem(CharacterControllerStateCopySystem(w));
    world.addSystem(Audio::SoundSystem(w, game.audio));
    world.addSystem(Audio::InterfaceSoundSystem(w, game.audio));
}

std::unique_ptr<Engine::ECS::EntityManager> createGameWorld(const GameContext& game)
{
    auto world = std::make_unique<Engine::ECS::EntityManager>(game.engine);
    registerGameComponents(*world);
    registerGameSystems(*world, game);
    return world;
}

} // namespace Game
