#pragma once

#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// Blending a transform between the start of the step (a = 0) and its current
// state (a = 1) for a frame drawn between two update steps.

// Component-wise previous × (1 − a) + current × a, deliberately not
// normalised: the matrix is built from the blended quaternion as it is.
// Asserts a lies in [0, 1].
glm::quat blendRotation(const glm::quat& previous, const glm::quat& current, float a);

// The rotation matrix of q by the standard formula, without normalising q.
glm::mat4 rotationMatrix(const glm::quat& q);

// translate(blended position) × rotationMatrix(blended rotation) ×
// scale(blended scale).
glm::mat4 interpolatedModelMatrix(const TransformComponent& transform, float a);
