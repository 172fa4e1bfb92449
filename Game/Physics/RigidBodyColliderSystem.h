#pragma once

#include "Engine/ECS/System.h"

class PhysicsWorld;

// Keeps a rigid body in the dynamics world exactly while its entity has both
// a body and a collider. All its work is done in the membership hooks; it is
// never run.
class RigidBodyColliderSystem : public Engine::ECS::System {
public:
    RigidBodyColliderSystem(Engine::ECS::EntityManager* world, PhysicsWorld* physicsWorld);

    void update(uint32_t entity, float dt) override;
    // Gives the body the collider's shape and adds it to the world.
    void onEntityAdded(uint32_t entity) override;
    // Takes the body out of the world and gives it an empty shape.
    void onEntityRemoved(uint32_t entity) override;

private:
    PhysicsWorld* physicsWorld;
};
