#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Engine/ECS/EntityManager.h"
#include "Engine/ECS/SystemType.h"

namespace Game {

struct GameContext;

// The 21 component types of the game (identifiers 1 to 19, 25 for block
// kinds and 41 for the sound system's).
void registerGameComponents(Engine::ECS::EntityManager& world);

// The game's 22 systems in their fixed order.
// Register before creating entities: only changed entities join systems.
// Systems take the engine's input records, matrix state, the physics world
// and the resource set's rope mesh from the game's services.
void registerGameSystems(Engine::ECS::EntityManager& world, const GameContext& game);

// A new world with the game's component types and systems.
std::unique_ptr<Engine::ECS::EntityManager> createGameWorld(const GameContext& game);

} // namespace Game
