#include "Game/Rendering/FrameTimeHistory.h"

#include <algorithm>

namespace Game {

namespace {

using Layout = FrameGraphLayout;

const glm::vec3 quickColour(0.2f, 0.9f, 0.2f);
const glm::vec3 slowColour(0.95f, 0.8f, 0.1f);
const glm::vec3 slowestColour(0.95f, 0.2f, 0.15f);
const glm::vec3 levelColour(0.85f, 0.85f, 0.85f);

// Lines are put through pixel centres, so each covers whole pixels.
constexpr float pixelCentre = 0.5f;

void addVertex(std::vector<float>& vertices, glm::vec2 at, glm::vec3 colour)
{
    vertices.insert(vertices.end(), {at.x, at.y, 0.0f, colour.r, colour.g, colour.b});
}

glm::vec3 colourOf(float milliseconds)
{
    if (milliseconds <= Layout::levels[0]) return quickColour;
    return milliseconds <= Layout::levels[1] ? slowColour : slowestColour;
}

} // namespace

void FrameTimeHistory::add(float milliseconds)
{
    times[next] = milliseconds;
    next = (next + 1) % capacity;
    count = std::min(count + 1, capacity);
}

std::vector<float> frameGraphVertices(const FrameTimeHistory& history, glm::vec2 corner)
{
    std::vector<float> vertices;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const float x = corner.x + static_cast<float>(i) + pixelCentre;
        const float top = std::min(history[i] * Layout::pixelsPerMillisecond, Layout::height);
        addVertex(vertices, glm::vec2(x, corner.y), colourOf(history[i]));
        addVertex(vertices, glm::vec2(x, corner.y + top), colourOf(history[i]));
    }
    for (float level : Layout::levels) {
        const float y = corner.y + level * Layout::pixelsPerMillisecond + pixelCentre;
        addVertex(vertices, glm::vec2(corner.x, y), levelColour);
        addVertex(vertices, glm::vec2(corner.x + Layout::width, y), levelColour);
    }
    return vertices;
}

} // namespace Game
