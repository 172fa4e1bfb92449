#include "Engine/Animation/KeyInterpolation.h"

#include <cfloat>
#include <cmath>

#include "Engine/Base/Assert.h"

namespace Engine::GFX::KeyInterpolation {

namespace {

// glm's scalar mix, kept in its operand order so results match glm bit for bit.
float mix(float from, float to, float factor)
{
    return from * (1.0f - factor) + to * factor;
}

} // namespace

uint32_t findKeyIndex(const std::vector<float>& times, float time)
{
    GAME_ASSERT(times.size() >= 2);
    const auto last = static_cast<uint32_t>(times.size() - 1);
    for (uint32_t i = 0; i < last; ++i) {
        if (times[i + 1] > time) {
            return i;
        }
    }
    return last - 1;
}

float interpolationFactor(const std::vector<float>& times, uint32_t index, float time)
{
    const float span = times[index + 1] - times[index];
    if (span == 0.0f) {
        return 1.0f;
    }
    return (time - times[index]) / span;
}

glm::vec3 interpolate(const glm::vec3& from, const glm::vec3& to, float factor)
{
    return from + (to - from) * factor;
}

glm::quat slerpShorterArc(const glm::quat& from, const glm::quat& to, float factor)
{
    glm::quat target = to;
    float cosTheta = glm::dot(from, to);
    if (cosTheta < 0.0f) {
        target = -to;
        cosTheta = -cosTheta;
    }
    if (cosTheta > 1.0f - FLT_EPSILON) {
        // sin(angle) would be close to zero: blend linearly, without normalising.
        return glm::quat(mix(from.w, target.w, factor), mix(from.x, target.x, factor), mix(from.y, target.y, factor),
                         mix(from.z, target.z, factor));
    }
    const float angle = std::acos(cosTheta);
    return (std::sin((1.0f - factor) * angle) * from + std::sin(factor * angle) * target) / std::sin(angle);
}

} // namespace Engine::GFX::KeyInterpolation
