#pragma once

#include <cstdint>

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/Camera.h"

namespace Game {

// The entities whose cameras the modes look through.
struct CameraEntities {
    uint32_t menuCamera = 0;
    uint32_t player = 0;
    uint32_t editorCamera = 0;
};

// Mode 0 looks through the menu camera, mode 1 through the player, mode 2
// through the editor camera.
uint32_t activeCameraEntity(uint32_t mode, const CameraEntities& entities);

// The entity's current camera, or the fallback when it has none.
const Camera& cameraOf(Engine::ECS::EntityManager& world, uint32_t entity, const Camera& fallback);

} // namespace Game
