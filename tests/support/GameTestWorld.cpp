#include "tests/support/GameTestWorld.h"

#include "Game/Controller/GameWorld.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <memory>

namespace GameTesting {

GameTestWorld::GameTestWorld() : keyboard(keys.data(), static_cast<int32_t>(keys.size())), mouse(nullptr)
{
    Game::registerGameComponents(world);
    world.addSystem(PhysicsMotionStateSystem(&world));
    world.addSystem(RigidBodyColliderSystem(&world, &physics));
}

Engine::StepInput keyDownsOf(const uint8_t* keys, const Engine::KeyboardState& keyboard, std::vector<int> order)
{
    if (order.empty()) {
        for (int key = 0; key < keyboard.keyCount; ++key)
            if (keys[key] != 0 && !keyboard.held(key)) order.push_back(key);
    }
    const bool ctrl = keys[SDL_SCANCODE_LCTRL] != 0 || keys[SDL_SCANCODE_RCTRL] != 0;
    Engine::StepInput step;
    Engine::EventQueue setAside;
    for (const int key : order) {
        SDL_Event down{};
        down.type = SDL_KEYDOWN;
        down.key.keysym.scancode = static_cast<SDL_Scancode>(key);
        down.key.keysym.mod = ctrl ? KMOD_LCTRL : KMOD_NONE;
        step.take(down, setAside);
    }
    return step;
}

void GameTestWorld::refreshInput(glm::ivec2 cursor, glm::ivec2 motion, int wheel)
{
    Engine::StepInput totals = keyDownsOf(keys.data(), keyboard, pressOrder);
    pressOrder.clear();
    keyboard.refresh(totals.keyPresses);
    totals.dx = motion.x;
    totals.dy = motion.y;
    totals.wheel = wheel;
    mouse.refresh(totals, buttons, cursor.x, cursor.y, windowHeight);
}

uint32_t GameTestWorld::addPlayer()
{
    if (!playerSystemAdded) world.addSystem(CharacterControllerSystem(&world, &keyboard, &mouse, &pad, &physics));
    playerSystemAdded = true;
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, CharacterControllerComponent(entity, &physics));
    world.addComponent(entity, TransformComponent());
    world.addComponent(entity, CameraModificationComponent());
    world.refresh();
    return entity;
}

// Input, character, bodies, physics, contacts, commit: the game's step order.
void GameTestWorld::stepPlayer()
{
    refreshInput();
    world.getSystem<CharacterControllerSystem>().run(0.0f);
    world.getSystem<PhysicsMotionStateSystem>().run(0.0f);
    physics.step();
    GamePhysics::dispatchContacts(*physics.getDispatcher(), world, contacts);
    world.refresh();
}

void GameTestWorld::stepsPlayer(int count)
{
    for (int i = 0; i < count; ++i) stepPlayer();
}

uint32_t GameTestWorld::addBox(const glm::vec3& centre, const glm::vec3& size, const glm::quat& rotation)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, TransformComponent(centre, size, rotation));
    const glm::vec3 half = size * 0.5f;
    world.addComponent(entity, PhysicsColliderComponent(std::make_shared<btBoxShape>(btVector3(half.x, half.y, half.z))));
    PhysicsRigidBodyComponent body(entity, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
    body.getUserPointer()->group = GamePhysics::CollisionGroup::block;
    world.addComponent(entity, body);
    world.refresh();
    physics.getDynamicsWorld()->updateAabbs();
    return entity;
}

} // namespace GameTesting
