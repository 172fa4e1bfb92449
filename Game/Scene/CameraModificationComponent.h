#pragma once

#include "Engine/ECS/Component.h"

#include <glm/glm.hpp>

#include <cstdint>

// A camera that looks out from an entity: an eye height above the entity and
// yaw, pitch and roll in degrees (+Z up, yaw 0 looks along +X). The previous
// fields hold the values at the start of the step, so a frame can blend.
struct CameraModificationComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 12;

    glm::vec3 previousOffset = glm::vec3(0.0f);
    // Only z (the eye height) is used.
    glm::vec3 offset = glm::vec3(0.0f);
    float yaw = 0.0f;
    // Kept within [−90, 90] by mouse look.
    float pitch = 0.0f;
    float roll = 0.0f;
    float previousYaw = 0.0f;
    float previousPitch = 0.0f;
    float previousRoll = 0.0f;

    // Angles blended from the previous to the current values with factor a in
    // [0, 1]; the yaw takes the shorter way round.
    float blendedYaw(float a) const;
    float blendedPitch(float a) const;
    float blendedRoll(float a) const;
    float blendedHeight(float a) const;

    // Unit viewing direction of the blended yaw and pitch.
    glm::vec3 forward(float a) const;
    // Up vector of the blended yaw, pitch and roll.
    glm::vec3 up(float a) const;
};

// Signed difference x − y in degrees folded into [−180, 180); the fraction of
// x − y is carried over unchanged.
float angleDifference(float x, float y);

// Degrees to radians with π in double precision.
float toRadians(float degrees);
