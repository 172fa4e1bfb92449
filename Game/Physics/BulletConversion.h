#pragma once

#include <LinearMath/btQuaternion.h>
#include <LinearMath/btVector3.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// The one crossing between the game's GLM values and Bullet's: the same
// axes and units on both sides, so each conversion copies components.
namespace GamePhysics {

inline btVector3 toBullet(const glm::vec3& v)
{
    return btVector3(v.x, v.y, v.z);
}

inline btQuaternion toBullet(const glm::quat& q)
{
    return btQuaternion(q.x, q.y, q.z, q.w);
}

inline glm::vec3 toGlm(const btVector3& v)
{
    return glm::vec3(v.x(), v.y(), v.z());
}

} // namespace GamePhysics
