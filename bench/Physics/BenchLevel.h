#pragma once

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/PhysicsWorld.h"

#include <cstdint>

// The game's level as the game builds it: 150 blocks from the classic
// rand() sequence seeded with 1, six fixed blocks and the floor, all in one
// physics world through the game's own recipes and body systems.
class BenchLevel {
public:
    static constexpr int randomBlocks = 150;
    static constexpr int fixedBlocks = 6;

    BenchLevel();

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
};

// The generator the level's numbers come from: state = state × 214013 +
// 2531011 (mod 2^32), value = (state >> 16) & 32767.
class ClassicRandom {
public:
    explicit ClassicRandom(uint32_t seed) : state(seed) {}
    int next();
    // next() / 32767, as the level divides it.
    float nextUnit();

private:
    uint32_t state;
};
