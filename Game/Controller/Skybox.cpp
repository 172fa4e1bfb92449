#include "Game/Controller/Skybox.h"

#include "Engine/Graphics/ModelFromBuilder.h"

#include <glm/glm.hpp>

namespace Game {

namespace {

using Engine::GFX::Mesh::MeshBuilder;

// Cell edges in texture space, moved slightly inside the exact thirds and
// halves so that filtering at a face's border does not pick up the
// neighbouring cell.
constexpr float nearZero = 1.0f / 4096.0f;
constexpr float nearOne = 4095.0f / 4096.0f;
constexpr float halfBelow = 2047.0f / 4096.0f;
constexpr float halfAbove = 2049.0f / 4096.0f;
constexpr float columnStart = 1.0f / 6144.0f;
constexpr float oneThirdBelow = 1.0f / 3.0f - 1.0f / 6144.0f;
constexpr float oneThirdJustBelow = 1.0f / 3.0f - 1.0f / 12288.0f;
constexpr float oneThirdAbove = 2049.0f / 6144.0f;
constexpr float twoThirdsBelow = 4095.0f / 6144.0f;
constexpr float twoThirdsAbove = 2.0f / 3.0f + 1.0f / 6144.0f;

const glm::vec4 white(1.0f, 1.0f, 1.0f, 1.0f);

struct Face {
    glm::vec3 first;
    glm::vec3 second;
    glm::vec2 firstTexture;
    glm::vec2 secondTexture;
};

// Lower half of the image (v 0 .. 0.5): bottom, top, +y; upper half: -x, -y, +x.
const Face walls[] = {
    {{-1, 1, 1}, {1, 1, -1}, {nearOne, nearZero}, {twoThirdsAbove, halfBelow}},
    {{1, -1, -1}, {1, 1, 1}, {nearOne, halfAbove}, {twoThirdsAbove, nearOne}},
    {{-1, 1, -1}, {-1, -1, 1}, {oneThirdBelow, halfAbove}, {columnStart, nearOne}},
    {{1, -1, 1}, {-1, -1, -1}, {oneThirdJustBelow, nearOne}, {twoThirdsBelow, halfAbove}},
};

const Face top{{1, -1, 1}, {-1, 1, 1}, {twoThirdsBelow, halfBelow}, {oneThirdAbove, nearZero}};
const Face bottom{{-1, -1, -1}, {1, 1, -1}, {columnStart, nearZero}, {oneThirdBelow, halfBelow}};

} // namespace

Skybox::Skybox() : model(std::make_shared<Engine::GFX::Mesh::Model3D>())
{
    MeshBuilder builder;
    addFaces(builder);
    Engine::GFX::Mesh::fillModel(*model, builder);
}

void Skybox::addFaces(MeshBuilder& builder)
{
    for (const Face& wall : walls)
        builder.addVerticalRectangle(wall.first, wall.second, white, wall.firstTexture, wall.secondTexture);
    builder.addHorizontalRectangle(top.first, top.second, white, top.firstTexture, top.secondTexture);
    builder.addHorizontalRectangle(bottom.first, bottom.second, white, bottom.firstTexture, bottom.secondTexture);
}

} // namespace Game
