#include "Game/Controller/Skybox.h"

#include <gtest/gtest.h>

using Engine::GFX::Mesh::MeshBuilder;

namespace {

constexpr int faces = 6;
constexpr int verticesPerFace = 6;
// Far less than a texel of any sky image: the edges sit within this of the
// exact thirds and halves.
constexpr float edgeTolerance = 1.0f / 4000.0f;

TEST(Skybox, SixWhiteInwardFacesOfTheUnitCubeEachSpanningExactlyItsOwnCellOfTheImage)
{
    MeshBuilder mesh;
    Game::Skybox::addFaces(mesh);
    ASSERT_EQ(mesh.vertexCount(), size_t(faces * verticesPerFace));
    const glm::vec3 outward[] = {{0, 1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    // Cells of the 3 x 2 image (column, row with v up). Lower row: bottom,
    // top, +y; upper row: -x, -y, +x.
    const glm::vec2 cell[] = {{2, 0}, {2, 1}, {0, 1}, {1, 1}, {1, 0}, {0, 0}};
    for (int face = 0; face < faces; ++face) {
        SCOPED_TRACE(testing::Message() << "face " << face);
        const int first = face * verticesPerFace;
        const glm::vec3* corner = &mesh.positions[first];
        // Every face looks inwards so culling keeps it from inside.
        const glm::vec3 normal = glm::normalize(glm::cross(corner[1] - corner[0], corner[2] - corner[0]));
        EXPECT_NEAR(glm::dot(normal, -outward[face]), 1.0f, 1e-5f);
        glm::vec2 low(1.0f);
        glm::vec2 high(0.0f);
        for (int v = first; v < first + verticesPerFace; ++v) {
            EXPECT_EQ(glm::abs(mesh.positions[v]), glm::vec3(1.0f)) << "not a cube corner";
            EXPECT_EQ(glm::dot(mesh.positions[v], outward[face]), 1.0f) << "not on its side of the cube";
            EXPECT_EQ(mesh.colors[v], glm::vec4(1.0f));
            low = glm::min(low, mesh.texcoords[v]);
            high = glm::max(high, mesh.texcoords[v]);
        }
        const glm::vec2 cellSize(1.0f / 3.0f, 0.5f);
        const glm::vec4 edges(low, high);
        const glm::vec4 expected(cell[face] * cellSize, (cell[face] + 1.0f) * cellSize);
        EXPECT_TRUE(glm::all(glm::lessThan(glm::abs(edges - expected), glm::vec4(edgeTolerance))))
            << edges.x << " " << edges.y << " " << edges.z << " " << edges.w;
    }
}

} // namespace
