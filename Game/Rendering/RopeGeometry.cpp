#include "Game/Rendering/RopeGeometry.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

namespace RopeGeometry {

namespace {

const glm::vec3 worldUp(0.0f, 0.0f, 1.0f);
const glm::vec3 fallbackUp(0.0f, 1.0f, 0.0f);
// Below this sine of the angle between the rope and +Z the sideways axis
// of the look-at frame is no longer well defined.
constexpr float parallelLimit = 1e-4f;

} // namespace

glm::vec3 blendedPosition(const glm::vec3& previous, const glm::vec3& current, float a)
{
    return previous + (current - previous) * a;
}

glm::quat ropeOrientation(const glm::vec3& direction)
{
    const bool alongUp = glm::length(glm::cross(direction, worldUp)) < parallelLimit;
    // The look-at frame facing -direction has its +Z axis along direction.
    return glm::quatLookAt(-direction, alongUp ? fallbackUp : worldUp);
}

std::optional<glm::mat4> ropeModelMatrix(const glm::vec3& start, const glm::vec3& hookPoint)
{
    const glm::vec3 offset = hookPoint - start;
    const float length = glm::length(offset);
    if (!(length > 0.0f)) return std::nullopt;

    const glm::quat orientation = ropeOrientation(offset / length);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), start);
    model = model * glm::mat4_cast(orientation);
    model = glm::translate(model, glm::vec3(0.0f, 0.0f, ropeGap));
    return glm::scale(model, glm::vec3(1.0f, 1.0f, length - ropeGap));
}

} // namespace RopeGeometry
