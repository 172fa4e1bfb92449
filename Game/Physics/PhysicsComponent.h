#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

// Tag type registered with the world; no entity of the game carries it.
struct PhysicsComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 4;
};
