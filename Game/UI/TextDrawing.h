#pragma once

#include <glm/glm.hpp>

#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/MatrixState.h"

namespace UI {

// Draws a text mesh with the program made current through `matrices`, its top
// line at `position`, scaled in x and y. Binds the font's page texture to unit
// 0 for the draw and unbinds it after. A mesh without geometry (an empty text,
// or a font that could not be read) draws nothing.
void drawText(MatrixState& matrices, Engine::GFX::TextMesh& text, const glm::vec3& position, const glm::vec2& scale);

} // namespace UI
