#include "Game/Controller/Skybox.h"

#include <gtest/gtest.h>


using Engine::GFX::Mesh::MeshBuilder;
using Game::Skybox;

namespace {

constexpr int verticesPerFace = 6;

// The cell of the 3 x 2 sky image a face shows: column 0..2, row 0..1 (v up).
struct Cell {
    int column;
    int row;
};

MeshBuilder skyboxMesh()
{
    MeshBuilder builder;
    Skybox::addFaces(builder);
    return builder;
}

glm::vec3 faceNormal(const MeshBuilder& mesh, int face)
{
    const glm::vec3& a = mesh.positions[face * verticesPerFace];
    const glm::vec3& b = mesh.positions[face * verticesPerFace + 1];
    const glm::vec3& c = mesh.positions[face * verticesPerFace + 2];
    return glm::normalize(glm::cross(b - a, c - a));
}

// The texture rectangle a face uses.
struct TextureSpan {
    glm::vec2 low{1.0f};
    glm::vec2 high{0.0f};
};

TextureSpan spanOf(const MeshBuilder& mesh, int face)
{
    TextureSpan span;
    for (int v = 0; v < verticesPerFace; ++v) {
        span.low = glm::min(span.low, mesh.texcoords[face * verticesPerFace + v]);
        span.high = glm::max(span.high, mesh.texcoords[face * verticesPerFace + v]);
    }
    return span;
}

Cell cellOf(const TextureSpan& span)
{
    const glm::vec2 centre = (span.low + span.high) * 0.5f;
    return Cell{static_cast<int>(centre.x * 3.0f), static_cast<int>(centre.y * 2.0f)};
}

// Far less than a texel of any sky image: the edges sit within this of the
// exact thirds and halves.
constexpr float edgeTolerance = 1.0f / 4000.0f;

} // namespace

TEST(Skybox, SixWhiteInwardFacesOfTheUnitCube)
{
    const MeshBuilder mesh = skyboxMesh();
    ASSERT_EQ(mesh.vertexCount(), 6u * verticesPerFace);
    for (size_t i = 0; i < mesh.vertexCount(); ++i) {
        EXPECT_EQ(glm::abs(mesh.positions[i]), glm::vec3(1.0f)) << "vertex " << i << " is not a cube corner";
        EXPECT_EQ(mesh.colors[i], glm::vec4(1.0f));
    }
    // Every face looks inwards so culling keeps it from inside.
    const glm::vec3 expectedOutward[] = {{0, 1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int face = 0; face < 6; ++face) {
        const glm::vec3 normal = faceNormal(mesh, face);
        EXPECT_NEAR(glm::dot(normal, -expectedOutward[face]), 1.0f, 1e-5f) << "face " << face;
        for (int v = 0; v < verticesPerFace; ++v)
            EXPECT_EQ(glm::dot(mesh.positions[face * verticesPerFace + v], expectedOutward[face]), 1.0f)
                << "face " << face << " is not on its side of the cube";
    }
}

TEST(Skybox, EachFaceSpansExactlyItsOwnCell)
{
    const MeshBuilder mesh = skyboxMesh();
    // Lower row: bottom, top, +y; upper row: -x, -y, +x.
    const Cell expected[] = {{2, 0}, {2, 1}, {0, 1}, {1, 1}, {1, 0}, {0, 0}};
    for (int face = 0; face < 6; ++face) {
        SCOPED_TRACE(testing::Message() << "face " << face);
        const TextureSpan span = spanOf(mesh, face);
        const Cell cell = cellOf(span);
        EXPECT_EQ(cell.column, expected[face].column);
        EXPECT_EQ(cell.row, expected[face].row);
        EXPECT_NEAR(span.low.x, cell.column / 3.0f, edgeTolerance);
        EXPECT_NEAR(span.high.x, (cell.column + 1) / 3.0f, edgeTolerance);
        EXPECT_NEAR(span.low.y, cell.row / 2.0f, edgeTolerance);
        EXPECT_NEAR(span.high.y, (cell.row + 1) / 2.0f, edgeTolerance);
    }
}
