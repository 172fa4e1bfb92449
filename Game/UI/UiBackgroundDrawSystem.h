#pragma once

#include <cstdint>
#include <memory>

#include "Engine/ECS/System.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/Shader.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/UI/UIComponents.h"

namespace UI::System {

// Draws the backgrounds of one layer: the unit quad stretched over each
// element, tinted by its colour, with the element's texture or, for a
// clickable element, the look of its current state.
class UiBackgroundDrawSystem : public Engine::ECS::System {
public:
    UiBackgroundDrawSystem(Engine::ECS::EntityManager* world, MatrixState* matrices, uint32_t layer,
                           std::shared_ptr<Engine::GFX::Mesh::Model3D> quad, const Shader* shader);

    void begin() override;
    bool accepts(uint32_t entity) override;
    void update(uint32_t entity, float dt) override;

    MatrixState* matrices;
    uint32_t layer;
    std::shared_ptr<Engine::GFX::Mesh::Model3D> quad;
    const Shader* shader;
};

// The texture an element shows: the pressed or hover look while it is pressed
// or hovered, its own background otherwise (and always without a clickable).
const Engine::GFX::Texture2D* backgroundTexture(const Component::UIBackgroundComponent& background,
                                                const Component::UIclickableComponent* clickable);

} // namespace UI::System
