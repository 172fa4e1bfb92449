#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Level/BlockKind.h"

// What a level block is for on a race course; a block without one is plain.
struct BlockKindComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 25;

    BlockKindComponent() = default;
    explicit BlockKindComponent(Game::BlockKind kind) : kind(kind) {}

    Game::BlockKind kind = Game::BlockKind::plain;
};
