#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Scene/Camera.h"

#include <cstdint>

// The camera an entity looks through, with the camera at the start of the
// step and the one the component was built from.
struct CameraComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 19;

    CameraComponent() = default;
    // camera = directionCopy(given); previous and initial camera are
    // directionCopy(camera).
    explicit CameraComponent(const Camera& given);

    // Read by the renderer, the camera steering systems and the editor.
    Camera camera;
    // Taken at the start of every update step.
    Camera previousCamera;
    // Never changed after construction.
    Camera initialCamera;
};
