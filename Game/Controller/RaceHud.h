#pragma once

#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/MatrixState.h"
#include "Game/Race/RaceRun.h"

#include <glm/glm.hpp>

#include <memory>
#include <vector>

namespace Game {

// The race's read-out under the speed: one text per line, coloured by its
// tone, rebuilt only when its words or colour change. Needs a current GL
// context.
class RaceHud {
public:
    explicit RaceHud(Engine::GFX::Font* font) : font(font) {}

    void show(const std::vector<RaceHudLine>& lines);
    // The lines one under the other, the first one's top at `topLeft`, with
    // the font program current.
    void draw(MatrixState& matrices, const glm::vec3& topLeft, const glm::vec2& scale);

private:
    Engine::GFX::Font* font;
    std::vector<std::unique_ptr<Engine::GFX::TextMesh>> texts;
    std::size_t shown = 0;
};

} // namespace Game
