#pragma once

#include <cstdint>

#include "Engine/ECS/EntityManager.h"

// Turning an entity's steering by the player on and off (menus, pause, mode
// changes). Each switch is set only where the entity has that component; the
// component types must be registered in the world.
namespace UI {

// Walking (CharacterControllerComponent) and mouse look (CameraMouseMovementComponent).
void setPlayerInputEnabled(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled);

// Mouse look, free flight and wheel zoom of the editor camera; turning them
// off stops panning too.
void setEditorCameraInputEnabled(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled);

} // namespace UI
