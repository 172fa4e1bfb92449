#include "Game/Controller/RaceHud.h"

#include "Game/UI/TextDrawing.h"

namespace Game {

namespace {

glm::vec4 colourOf(RaceHudLine::Tone tone)
{
    switch (tone) {
    case RaceHudLine::Tone::faster: return {0.35f, 1.0f, 0.35f, 1.0f};
    case RaceHudLine::Tone::slower: return {1.0f, 0.35f, 0.3f, 1.0f};
    case RaceHudLine::Tone::record: return {1.0f, 0.85f, 0.2f, 1.0f};
    case RaceHudLine::Tone::normal: break;
    }
    return glm::vec4(1.0f);
}

} // namespace

void RaceHud::show(const std::vector<RaceHudLine>& lines)
{
    while (texts.size() < lines.size()) texts.push_back(std::make_unique<Engine::GFX::TextMesh>(font, ""));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Engine::GFX::TextMesh& text = *texts[i];
        const glm::vec4 colour = colourOf(lines[i].tone);
        if (text.text == lines[i].text && text.colour == colour && text.model != nullptr) continue;
        text.text = lines[i].text;
        text.colour = colour;
        text.rebuild();
    }
    shown = lines.size();
}

void RaceHud::draw(MatrixState& matrices, const glm::vec3& topLeft, const glm::vec2& scale)
{
    glm::vec3 position = topLeft;
    for (std::size_t i = 0; i < shown; ++i) {
        UI::drawText(matrices, *texts[i], position, scale);
        position.y -= static_cast<float>(texts[i]->height) * scale.y;
    }
}

} // namespace Game
