#pragma once

#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>

namespace Game {

// The item the character carries follows the node that names its hand.
constexpr const char* heldItemNode = "hand.L";
constexpr float heldItemScale = 0.1f;

// Puts the item where the hand node's global matrix is (its translation and
// rotation) at a fixed small scale.
void placeHeldItem(const glm::mat4& handTransform, TransformComponent& item);

} // namespace Game
