#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// Key search and interpolation used when sampling a clip. Factors are not
// clamped: a time outside the keys extrapolates from the nearest pair.
namespace Engine::GFX::KeyInterpolation {

// The first key of the pair to interpolate: the smallest i with
// times[i + 1] > time, or the last pair when time is at or after the last key.
// Needs at least two keys.
uint32_t findKeyIndex(const std::vector<float>& times, float time);

// (time - times[i]) / (times[i + 1] - times[i]); two keys at the same time
// give 1 (the later key) instead of dividing by zero.
float interpolationFactor(const std::vector<float>& times, uint32_t index, float time);

glm::vec3 interpolate(const glm::vec3& from, const glm::vec3& to, float factor);

// Spherical interpolation along the shorter arc, computed exactly as glm::slerp
// does: negate `to` when the dot product is negative, blend linearly when the
// two rotations are closer than single-precision epsilon.
glm::quat slerpShorterArc(const glm::quat& from, const glm::quat& to, float factor);

} // namespace Engine::GFX::KeyInterpolation
