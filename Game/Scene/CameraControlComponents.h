#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

// Switches for the camera steering behaviours. The game sets and clears them
// (the editor ties look and pan to mouse buttons); each system acts only while
// its switch is on.

// Flight with W, A, S, D.
struct FreeCamMovementComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 2;
    explicit FreeCamMovementComponent(bool enabled = false) : enabled(enabled) {}
    bool enabled;
};

// Panning with the mouse.
struct CameraMouseShiftComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 9;
    explicit CameraMouseShiftComponent(bool enabled = false) : enabled(enabled) {}
    bool enabled;
};

// Stepping along the view direction with the wheel.
struct CameraMouseZoomMoveComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 10;
    explicit CameraMouseZoomMoveComponent(bool enabled = false) : enabled(enabled) {}
    bool enabled;
};

// Mouse look: yaw and pitch from mouse movement.
struct CameraMouseMovementComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 11;
    explicit CameraMouseMovementComponent(bool enabled = false) : enabled(enabled) {}
    bool enabled;
};
