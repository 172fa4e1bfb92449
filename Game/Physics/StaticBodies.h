#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <cstdint>

namespace Engine::ECS {
class EntityManager;
}

namespace GamePhysics {

// Creates a level block: a transform at the position with the size as scale,
// turned 30 degrees about +Y, a box collider of that size, and a static rigid
// body in the block group. Returns the entity; the body enters the physics
// world at the next refresh.
uint32_t createStaticBlock(Engine::ECS::EntityManager& world, const glm::vec3& position, const glm::vec3& size);
// The same block with a rotation of the caller's choice.
uint32_t createStaticBlock(Engine::ECS::EntityManager& world, const glm::vec3& position, const glm::vec3& size,
                           const glm::quat& rotation);

// The turn every level block gets: 30 degrees about +Y.
glm::quat levelBlockRotation();

// Creates the floor: the plane z = 0 facing +Z as a static body in the floor
// group, with a default transform.
uint32_t createFloor(Engine::ECS::EntityManager& world);

} // namespace GamePhysics
