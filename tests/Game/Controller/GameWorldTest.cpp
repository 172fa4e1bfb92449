#include "Game/Controller/GameWorld.h"

#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"
#include "Game/Scene/TransformStateCopySystem.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Game;

namespace {

struct TwentyFourth : Engine::ECS::Component {
    static constexpr uint32_t _cType = 24;
};

struct Nineteenth : Engine::ECS::Component {
    static constexpr uint32_t _cType = 19;
};

std::vector<std::string> namesOf(const std::vector<SystemRegistration>& registrations)
{
    std::vector<std::string> names;
    for (const SystemRegistration& registration : registrations) names.push_back(registration.name);
    return names;
}

} // namespace

// The systems only keep their pointers at construction, so a world can be
// built without a window.
class GameWorldRegistration : public testing::Test {
protected:
    GameWorldRegistration()
    {
        services.physicsWorld = &physics;
        registerGameComponents(world);
        registrations = registerGameSystems(world, services);
    }

    PhysicsWorld physics;
    GameWorldServices services;
    Engine::ECS::EntityManager world;
    std::vector<SystemRegistration> registrations;
};

TEST_F(GameWorldRegistration, TwentySystemsInTheGameOrderEachTheFirstOfItsClassAndComponentTypesUpTo19)
{
    const std::vector<std::string> expected = {
        "TestSystem",
        "CameraModificationMouseMovementSystem",
        "CharacterControllerSystem",
        "DefaultMeshRenderSystem",
        "CameraModificationDeltaSystem",
        "FreeCamMovementSystem",
        "RigidBodyColliderSystem",
        "TransformToCollissionTransformSystem",
        "GrapplingHookMeshRenderSysten",
        "RotationAnimationSystem",
        "CameraDeltaSystem",
        "SelectedEntityRenderSystem",
        "CameraMouseShiftMovementSystem",
        "CameraMouseZoomMovementSystem",
        "PhysicsMotionStateSystem",
        "TransformMatrixRefreshSystem",
        "CameraStateCopySystem",
        "TransformStateCopySystem",
        "CameraModificationStateCopySystem",
        "CharacterControllerStateCopySystem",
    };
    EXPECT_EQ(namesOf(registrations), expected);
    for (const SystemRegistration& registration : registrations)
        EXPECT_EQ(registration.instance, 0u) << registration.name;
    // Component types 1 to 19 are the game's; the interface's from 20 on are still free.
    EXPECT_THROW(world.registerComponent<Nineteenth>(), std::runtime_error);
    EXPECT_TRUE(world.registerComponent<TwentyFourth>());
}

TEST_F(GameWorldRegistration, ASecondRegistrationOfAClassGetsInstanceOne)
{
    SystemRegistrar registrar(world);
    registrar.add(CameraDeltaSystem(&world));
    ASSERT_EQ(registrar.registrations.size(), 1u);
    EXPECT_EQ(registrar.registrations[0].name, "CameraDeltaSystem");
    EXPECT_EQ(registrar.registrations[0].instance, 1u);
}

TEST(GameWorld, CreatedWorldRoutesCamerasAndTransformsToTheirSystems)
{
    PhysicsWorld physics;
    GameWorldServices services;
    services.physicsWorld = &physics;
    const auto world = createGameWorld(services);
    const uint32_t camera = world->createEntity();
    world->addComponent(camera, CameraComponent());
    const uint32_t entity = world->createEntity();
    world->addComponent(entity, TransformComponent(glm::vec3(1.0f, 2.0f, 3.0f)));
    world->refresh();
    EXPECT_EQ(world->getSystem<CameraDeltaSystem>().entities, std::vector<uint32_t>{camera});
    EXPECT_EQ(world->getSystem<TransformStateCopySystem>().entities, std::vector<uint32_t>{entity});
    EXPECT_EQ(world->getSystem<TransformMatrixRefreshSystem>().entities, std::vector<uint32_t>{entity});
}
