#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Physics/CollisionCallback.h"

#include <cstdint>
#include <memory>

// Lets an entity hear about the contacts of its collision object. The
// callback is shared by every copy of the component (the world copies
// components by value) and freed with the last one.
struct CollisionCallbackComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 6;

    CollisionCallbackComponent(uint32_t entity, std::shared_ptr<CollisionCallback> callback)
        : entity(entity), callback(std::move(callback))
    {
    }

    // Passed to the callback as its own entity.
    uint32_t entity;
    std::shared_ptr<CollisionCallback> callback;
};
