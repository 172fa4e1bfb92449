#pragma once

#include "Engine/ECS/System.h"

// Moves every rigid body to its entity's transform (rotation and position;
// a shape's size is fixed, so scale is not applied). The transform is the
// master: nothing copies a body's pose back.
class PhysicsMotionStateSystem : public Engine::ECS::System {
public:
    explicit PhysicsMotionStateSystem(Engine::ECS::EntityManager* world);

    void update(uint32_t entity, float dt) override;
    // A body is placed before it first takes part in a world step.
    void onEntityAdded(uint32_t entity) override;

private:
    void placeBody(uint32_t entity);
};
