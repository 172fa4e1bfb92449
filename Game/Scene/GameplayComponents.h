#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

// Types the world registers so their identifiers stay taken; the game neither
// creates nor reads components of them yet.

struct ItemComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 3;
};

struct HealthComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 7;
};

struct ProjectileComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 8;
};

struct AiShootComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 18;
};
