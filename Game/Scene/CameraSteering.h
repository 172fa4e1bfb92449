#pragma once

#include "Game/Scene/Camera.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>

#include <optional>

// The rules of the camera steering systems as plain functions, so that they
// can be driven with made-up input. Angles are degrees, +Z is up and yaw 0
// looks along +X.

// Degrees of turn per pixel of mouse movement.
constexpr float mouseLookDegreesPerPixel = 0.5f;
// Metres flown per update step.
constexpr float flightStepLength = 0.5f;
// Metres panned per pixel of mouse movement.
constexpr float panMetresPerPixel = 0.05f;

// Folds the whole degrees into (−360, 360), keeping the sign and the fraction.
float wrapYaw(float yaw);

// Turns by the mouse movement times the user's speed: moving right turns
// right, moving down looks up; the yaw is wrapped and the pitch held within
// [−90, 90].
void applyMouseLook(CameraModificationComponent& modification, int relativeX, int relativeY, float speed = 1.0f);

// Degrees of turn per update step with a stick at full tilt (180 a second).
constexpr float stickLookDegreesPerStep = 1.8f;

// Turns by a stick's push (x right, y up, length at most 1) times the user's
// speed: right turns right, up looks up; wrapped and held as mouse look is.
void applyStickLook(CameraModificationComponent& modification, float x, float y, float speed = 1.0f);

// The movement keys held this step.
struct FlightKeys {
    bool forward = false;
    bool left = false;
    bool back = false;
    bool right = false;
};

// Direction of flight in degrees counter-clockwise from the view direction
// (90 is left), or nothing when no key is held or opposite keys cancel out.
std::optional<float> flightAngle(const FlightKeys& keys);

// One step of flight: flightStepLength metres at the given angle from the
// current forward direction, turning towards the current left-hand side.
glm::vec3 flightStep(const CameraModificationComponent& modification, float angleDegrees);

// Displacement for panning the camera by the mouse movement within its view
// plane; zero when the camera has no usable direction.
glm::vec3 panStep(const Camera& camera, int relativeX, int relativeY);

// One metre along the view direction for a wheel step of +1, back for −1,
// nothing for any other value or a camera without a usable direction.
glm::vec3 zoomStep(const Camera& camera, int wheel);

// Places the camera at the blended entity position raised by the blended eye
// height and points it along the blended angles; the projection and the
// other fields stay as they are.
void buildView(Camera& camera, const TransformComponent& transform,
               const CameraModificationComponent& modification, float a);
