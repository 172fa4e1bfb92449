#pragma once

#include <cstdint>
#include <string>

#include <glm/glm.hpp>

#include "Engine/ECS/EntityManager.h"
#include "Engine/Font/Font.h"
#include "Engine/Graphics/Texture2D.h"

// Makers of the interface elements the menus and the editor are built from.
// Each returns the new entity; its components join at the next refresh.
namespace UI {

// A tinted, textured rectangle on layer 0.
uint32_t makeBackgroundElement(Engine::ECS::EntityManager& world, float x, float y, float width, float height,
                               Engine::GFX::Texture2D* texture, const glm::vec4& colour);

// A background element with a text centred in it, both on layer 0. The
// caller adds a click behaviour if the button has one. Needs a current GL
// context (the text mesh is built at once).
uint32_t makeButtonElement(Engine::ECS::EntityManager& world, float x, float y, float width, float height,
                           Engine::GFX::Texture2D* texture, const glm::vec4& colour, Engine::GFX::Font* font,
                           const std::string& text);

} // namespace UI
