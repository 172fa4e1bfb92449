#include "tools/datagen/art/ToolIcons.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/art/Shapes.h"

namespace DataGen {

namespace {

using Shapes::coverage;
using Shapes::paint;

constexpr int smoothSamples = 4;
constexpr float stroke = 2.6f; // half width of the symbol lines
const glm::vec2 iconCentre(toolIconSize * 0.5f);
const float pi = 3.14159265f;

// A triangular arrow head with its tip at `tip`, pointing along `direction`.
float arrowHead(glm::vec2 p, glm::vec2 tip, glm::vec2 direction, float length, float halfWidth)
{
    const glm::vec2 side(-direction.y, direction.x);
    const glm::vec2 base = tip - direction * length;
    return Shapes::polygon(p, {tip, base + side * halfWidth, base - side * halfWidth});
}

float arrow(glm::vec2 p, glm::vec2 from, glm::vec2 to)
{
    const glm::vec2 direction = glm::normalize(to - from);
    const float shaft = Shapes::segment(p, from, to - direction * 6.0f) - stroke;
    return std::min(shaft, arrowHead(p, to, direction, 11.0f, 7.5f));
}

// Plus sign beside a small cube outline.
float createSymbol(glm::vec2 p)
{
    const glm::vec2 c = iconCentre;
    const float cube = std::abs(Shapes::box(p, c + glm::vec2(-4, -4), glm::vec2(13.0f))) - stroke * 0.7f;
    const glm::vec2 plusCentre = c + glm::vec2(12, 12);
    const float plus = std::min(Shapes::box(p, plusCentre, {10.0f, stroke + 0.6f}),
                                Shapes::box(p, plusCentre, {stroke + 0.6f, 10.0f}));
    const float plate = Shapes::circle(p, plusCentre, 13.5f); // clears the cube lines behind the plus
    return plate < 0.0f ? plus : std::min(cube, plus);
}

float translateSymbol(glm::vec2 p)
{
    const glm::vec2 c = iconCentre;
    float d = Shapes::circle(p, c, 4.0f);
    const glm::vec2 directions[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const glm::vec2& dir : directions) {
        d = std::min(d, arrow(p, c + dir * 5.0f, c + dir * 24.0f));
    }
    return d;
}

float scaleSymbol(glm::vec2 p)
{
    const glm::vec2 c = iconCentre;
    const float small = std::abs(Shapes::box(p, c + glm::vec2(-10, -10), glm::vec2(9.0f))) - stroke * 0.7f;
    const glm::vec2 cornerA(c.x + 3.0f, c.y + 22.0f), cornerB(c.x + 22.0f, c.y + 3.0f);
    const glm::vec2 corner(c.x + 22.0f, c.y + 22.0f);
    const float bracket = std::min(Shapes::segment(p, cornerA, corner), Shapes::segment(p, corner, cornerB)) -
                          stroke * 0.7f;
    return std::min({small, bracket, arrow(p, c + glm::vec2(-4, -4), c + glm::vec2(17, 17))});
}

float rotateSymbol(glm::vec2 p)
{
    const glm::vec2 c = iconCentre;
    const float radius = 18.0f;
    const glm::vec2 d = p - c;
    // An arc of 300 degrees, open at the upper right.
    const float angle = std::atan2(d.y, d.x);
    const float gapStart = pi * 0.05f, gapEnd = pi * 0.40f;
    const bool inGap = angle > gapStart && angle < gapEnd;
    const glm::vec2 endA = c + radius * glm::vec2(std::cos(gapStart), std::sin(gapStart));
    const glm::vec2 endB = c + radius * glm::vec2(std::cos(gapEnd), std::sin(gapEnd));
    const float ring = inGap ? std::min(glm::distance(p, endA), glm::distance(p, endB)) - stroke
                             : std::abs(glm::length(d) - radius) - stroke;
    const glm::vec2 tangent(-std::sin(gapStart), std::cos(gapStart));
    const float head = arrowHead(p, endA + tangent * 9.0f, tangent, 12.0f, 8.0f);
    return std::min({ring, head, Shapes::circle(p, c, 3.5f)});
}

float symbolDistance(Game::Tool tool, glm::vec2 p)
{
    switch (tool) {
    case Game::Tool::create:
        return createSymbol(p);
    case Game::Tool::translate:
        return translateSymbol(p);
    case Game::Tool::scale:
        return scaleSymbol(p);
    case Game::Tool::rotate:
    default:
        return rotateSymbol(p);
    }
}

glm::vec3 accentOf(Game::Tool tool)
{
    switch (tool) {
    case Game::Tool::create:
        return {0.55f, 0.92f, 0.55f};
    case Game::Tool::translate:
        return {0.55f, 0.80f, 1.00f};
    case Game::Tool::scale:
        return {1.00f, 0.78f, 0.42f};
    case Game::Tool::rotate:
    default:
        return {0.92f, 0.62f, 1.00f};
    }
}

glm::vec4 iconShade(Game::Tool tool, glm::vec2 p)
{
    const float tile = Shapes::roundedBox(p, iconCentre, glm::vec2(toolIconSize * 0.5f - 3.0f), 10.0f);
    const float height = p.y / toolIconSize;
    glm::vec4 c(0.0f, 0.0f, 0.0f, 1.0f); // the editor bar behind the tile is black
    c = paint(c, glm::mix(glm::vec3(0.11f, 0.13f, 0.16f), glm::vec3(0.22f, 0.25f, 0.31f), height), coverage(tile));
    c = paint(c, glm::vec3(1.0f), coverage(std::abs(tile + 1.0f) - 0.6f) * glm::smoothstep(0.4f, 1.0f, height),
              0.35f);
    c = paint(c, glm::vec3(0.0f), coverage(std::abs(tile + 1.0f) - 0.6f) * (1.0f - glm::smoothstep(0.0f, 0.6f, height)),
              0.5f);

    const float symbol = symbolDistance(tool, p);
    const float shadow = symbolDistance(tool, p + glm::vec2(-1.0f, 1.5f));
    c = paint(c, glm::vec3(0.0f), coverage(shadow - 0.5f), 0.5f);
    c = paint(c, glm::mix(accentOf(tool), glm::vec3(1.0f), 0.35f * height), coverage(symbol));
    return c;
}

} // namespace

Image makeToolIcon(Game::Tool tool)
{
    return renderImage(toolIconSize, toolIconSize, smoothSamples, [tool](glm::vec2 p) { return iconShade(tool, p); });
}

} // namespace DataGen
