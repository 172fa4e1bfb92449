#pragma once

#include <cstdint>

#include "Engine/ECS/System.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Shader.h"

namespace UI::System {

// Draws the texts of one layer, aligned inside their elements and blended
// with premultiplied alpha.
class UiTextDrawSystem : public Engine::ECS::System {
public:
    UiTextDrawSystem(Engine::ECS::EntityManager* world, MatrixState* matrices, uint32_t layer, const Shader* shader);

    void begin() override;
    bool accepts(uint32_t entity) override;
    void update(uint32_t entity, float dt) override;

    MatrixState* matrices;
    uint32_t layer;
    const Shader* shader;
};

} // namespace UI::System
