#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

namespace Engine::GFX {
class Drawable;
class Texture2D;
} // namespace Engine::GFX

// A drawable model with its texture; neither is owned. The render systems
// each draw the entities of their own render group.
struct MeshComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 14;

    static constexpr uint32_t ordinaryGroup = 0;
    static constexpr uint32_t selectedGroup = 2;

    MeshComponent() = default;
    MeshComponent(uint32_t renderGroup, Engine::GFX::Drawable* drawable, Engine::GFX::Texture2D* texture)
        : renderGroup(renderGroup), drawable(drawable), texture(texture)
    {
    }

    uint32_t renderGroup = ordinaryGroup;
    Engine::GFX::Drawable* drawable = nullptr;
    Engine::GFX::Texture2D* texture = nullptr;
};

// Marks the entity drawn with the grid mask.
struct GridMaskMeshComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 15;
};
