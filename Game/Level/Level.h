#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Level/BlockKind.h"
#include "Game/Level/LevelFile.h"

namespace Engine::ECS {
class EntityManager;
}

namespace Game {

struct GameMap;

// The classic linear congruential generator of C libraries: the same
// sequence on every platform, so the level is the same on every run.
class LevelRandom {
public:
    static constexpr uint32_t largestValue = 32767;

    explicit LevelRandom(uint32_t seed = 1) : state(seed) {}

    // state = state x 214013 + 2531011 (mod 2^32); bits 16 to 30 of the state.
    uint32_t nextValue();
    // nextValue() / 32767, in [0, 1].
    float nextUnit();

private:
    uint32_t state;
};

struct BlockPlacement {
    glm::vec3 position{0.0f};
    glm::vec3 size{1.0f};
};

// The level: 150 random blocks, then six fixed ones. A random block has
// sides of 1 to 10 m and lies within x, y in [-30, 30] and z in [0, 30];
// its six values are drawn as size z, y, x, then position z, y, x.
std::vector<BlockPlacement> levelBlockPlacements();

// One level block (the static block recipe: turned 30 degrees about +Y, a
// box collider of its size, a static body in the block group) of the kind,
// appended to the map's block list. Returns its entity.
uint32_t createBlock(GameMap& map, Engine::ECS::EntityManager& world, const glm::vec3& position,
                     const glm::vec3& size, BlockKind kind = BlockKind::plain);

// A static block as the level file describes it, kind included; not added
// to any list. Every level block carries its kind from the start, so it can
// be changed in place.
uint32_t createPosedBlock(Engine::ECS::EntityManager& world, const BlockPose& pose);

// The block's kind; plain for an entity without one.
BlockKind blockKindOf(Engine::ECS::EntityManager& world, uint32_t block);
// Sets the kind of a block that has one (every committed level block).
void setBlockKind(Engine::ECS::EntityManager& world, uint32_t block, BlockKind kind);

// The kinds of the generated blocks: plain, but for the course
// chooseCourse finds from below the player's spawn point.
std::vector<BlockKind> generatedLevelKinds(const std::vector<BlockPlacement>& blocks);

// Creates every block of the level with its course and asks for the merged
// model.
void createLevel(GameMap& map, Engine::ECS::EntityManager& world);

} // namespace Game
