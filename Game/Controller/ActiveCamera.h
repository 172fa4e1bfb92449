#pragma once

#include <cstdint>

#include "Engine/ECS/EntityManager.h"
#include "Game/Resources/GameRun.h"
#include "Game/Scene/Camera.h"

namespace Game {

// Mode 0 looks through the menu camera, mode 1 through the player, mode 2
// through the editor camera.
uint32_t activeCameraEntity(uint32_t mode, const CameraEntities& entities);

// The entity's current camera, or the fallback when it has none.
const Camera& cameraOf(Engine::ECS::EntityManager& world, uint32_t entity, const Camera& fallback);

} // namespace Game
