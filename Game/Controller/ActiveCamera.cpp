#include "Game/Controller/ActiveCamera.h"

#include "Game/Resources/GameState.h"
#include "Game/Scene/CameraComponent.h"

namespace Game {

uint32_t activeCameraEntity(uint32_t mode, const CameraEntities& entities)
{
    switch (mode) {
    case GameState::modeSingleplayer: return entities.player;
    case GameState::modeMapEditor: return entities.editorCamera;
    default: return entities.menuCamera;
    }
}

const Camera& cameraOf(Engine::ECS::EntityManager& world, uint32_t entity, const Camera& fallback)
{
    if (!world.hasComponent<CameraComponent>(entity)) return fallback;
    return world.getComponent<CameraComponent>(entity).camera;
}

} // namespace Game
