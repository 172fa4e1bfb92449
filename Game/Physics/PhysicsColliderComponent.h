#pragma once

#include "Engine/ECS/Component.h"

#include <btBulletCollisionCommon.h>

#include <cstdint>
#include <memory>

// The collision shape of an entity. The shape is shared with the rigid body
// that uses it (and with every copy of this component); the last holder frees
// it. A shape's size is fixed when it is made: scaling the entity's transform
// does not change it.
struct PhysicsColliderComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 17;

    explicit PhysicsColliderComponent(std::shared_ptr<btCollisionShape> shape) : shape(std::move(shape)) {}

    std::shared_ptr<btCollisionShape> shape;
};
