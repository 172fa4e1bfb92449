#include "Game/Scene/TransformInterpolation.h"

#include "Engine/Base/Assert.h"

#include <glm/gtc/matrix_transform.hpp>

glm::quat blendRotation(const glm::quat& previous, const glm::quat& current, float a)
{
    GAME_ASSERT_MSG(a >= 0.0f, "a >= static_cast<T>(0)");
    GAME_ASSERT_MSG(a <= 1.0f, "a <= static_cast<T>(1)");
    return previous * (1.0f - a) + current * a;
}

glm::mat4 rotationMatrix(const glm::quat& q)
{
    const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const float wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    glm::mat4 r(1.0f);
    r[0] = glm::vec4(1.0f - 2.0f * (yy + zz), 2.0f * (xy + wz), 2.0f * (xz - wy), 0.0f);
    r[1] = glm::vec4(2.0f * (xy - wz), 1.0f - 2.0f * (xx + zz), 2.0f * (yz + wx), 0.0f);
    r[2] = glm::vec4(2.0f * (xz + wy), 2.0f * (yz - wx), 1.0f - 2.0f * (xx + yy), 0.0f);
    return r;
}

glm::mat4 interpolatedModelMatrix(const TransformComponent& transform, float a)
{
    // The rotation goes first: it holds the check that a lies in [0, 1].
    const glm::quat rotation = blendRotation(transform.previousRotation, transform.rotation, a);
    const glm::vec3 position = transform.previousPosition + (transform.position - transform.previousPosition) * a;
    const glm::vec3 scale = transform.previousScale + (transform.scale - transform.previousScale) * a;
    const glm::mat4 translation = glm::translate(glm::mat4(1.0f), position);
    return translation * rotationMatrix(rotation) * glm::scale(glm::mat4(1.0f), scale);
}
