#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

namespace EcsTest {

struct Position : Engine::ECS::Component {
    static constexpr uint32_t _cType = 1;
    explicit Position(float x = 0.0f) : x(x) {}
    float x;
};

struct Velocity : Engine::ECS::Component {
    static constexpr uint32_t _cType = 2;
    explicit Velocity(float dx = 0.0f) : dx(dx) {}
    float dx;
};

struct Tag : Engine::ECS::Component {
    static constexpr uint32_t _cType = 63;
    explicit Tag(int group = 0) : group(group) {}
    int group;
};

// Registered nowhere: shares Position's slot to provoke double registration.
struct PositionTwin : Engine::ECS::Component {
    static constexpr uint32_t _cType = 1;
};

} // namespace EcsTest
