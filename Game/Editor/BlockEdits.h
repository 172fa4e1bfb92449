#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Game/Editor/EditHistory.h"
#include "Game/Level/LevelFile.h"

namespace Engine::ECS {
class EntityManager;
}

namespace Game {

struct GameContext;
struct GameMap;


// The block's transform as a pose; the size is the transform's scale.
BlockPose poseOf(Engine::ECS::EntityManager& world, uint32_t block);
// Every block of the level in list order.
std::vector<BlockPose> levelPoses(const GameContext& game, GameMap& map);

// An edit reaches the block entities and their static bodies (the game's
// world and physics world) and the map's merged model.

// Moves, turns and resizes one block: its transform, its body's pose and
// bounding box (so rays and the player meet it there at once) and, when the
// size changed, its box shape. Asks for the merged model to be rebuilt at
// the end of this update step.
void placeBlock(const GameContext& game, GameMap& map, uint32_t block, const BlockPose& pose);

// Carries out an edit: deleted blocks go (highest place first), changed
// blocks are placed, created blocks are inserted (lowest place first). The
// world is refreshed, so new bodies are in the physics world and deleted
// ones gone when this returns. Returns the entities the edit created or
// changed, for the caller to select.
std::vector<uint32_t> applyEdit(const GameContext& game, GameMap& map, const Edit& edit);

// The level built from poses (the level file), in their order.
void createLevelFrom(GameMap& map, Engine::ECS::EntityManager& world, const std::vector<BlockPose>& poses);

} // namespace Game
