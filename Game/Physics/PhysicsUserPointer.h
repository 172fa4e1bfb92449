#pragma once

#include <cstdint>

// Collision group bits the game gives its objects. The pair filter and the
// ray callbacks compare these, never Bullet's own proxy group and mask.
namespace GamePhysics::CollisionGroup {
constexpr uint32_t all = 0xFFFFFFFFu;
constexpr uint32_t floor = 1u;
constexpr uint32_t block = 4u;
} // namespace GamePhysics::CollisionGroup

// The record every collision object of the game carries as its Bullet user
// pointer: which entity owns the object and which groups it meets.
struct PhysicsUserPointer {
    uint32_t entity = 0;
    uint32_t group = GamePhysics::CollisionGroup::all;
    uint32_t mask = GamePhysics::CollisionGroup::all;
};
