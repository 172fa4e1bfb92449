#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "Engine/Mesh/MeshBuilder.h"
#include "tools/datagen/art/SkyBox.h"

using namespace DataGen;

namespace {

void expectDirection(const glm::vec3& expected, const glm::vec3& actual, const char* what)
{
    EXPECT_NEAR(glm::distance(expected, actual), 0.0f, 1e-3f)
        << what << ": " << actual.x << " " << actual.y << " " << actual.z;
}

} // namespace

TEST(SkyBoxLayout, CellCentresLookAlongTheFaceAxes)
{
    expectDirection({0, 0, -1}, skyDirectionAt({1.0f / 6, 0.25f}), "bottom: lower left");
    expectDirection({0, 0, 1}, skyDirectionAt({0.5f, 0.25f}), "top: lower middle");
    expectDirection({0, 1, 0}, skyDirectionAt({5.0f / 6, 0.25f}), "+y: lower right");
    expectDirection({-1, 0, 0}, skyDirectionAt({1.0f / 6, 0.75f}), "-x: upper left");
    expectDirection({0, -1, 0}, skyDirectionAt({0.5f, 0.75f}), "-y: upper middle");
    expectDirection({1, 0, 0}, skyDirectionAt({5.0f / 6, 0.75f}), "+x: upper right");
}

TEST(SkyBoxLayout, EveryCellBelongsToExactlyOneFace)
{
    std::vector<int> owners;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            owners.push_back(skyFaceAt({(column + 0.5f) / 3.0f, (row + 0.5f) / 2.0f}));
        }
    }
    std::sort(owners.begin(), owners.end());
    EXPECT_EQ(owners, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// The renderer builds the cube from the same corners with the mesh builder;
// every vertex it makes must look up the sky in its own direction, which
// makes the mapping right over whole faces (it is affine per face) and so
// the cells meet without seams on the cube.
TEST(SkyBoxLayout, DirectionsAgreeWithTheBuiltCubeAtEveryVertex)
{
    for (std::size_t face = 0; face < skyFaces().size(); ++face) {
        const SkyFace& f = skyFaces()[face];
        Engine::GFX::Mesh::MeshBuilder builder;
        if (f.wall) {
            builder.addVerticalRectangle(f.corner1, f.corner2, glm::vec4(1.0f), f.texCorner1, f.texCorner2);
        } else {
            builder.addHorizontalRectangle(f.corner1, f.corner2, glm::vec4(1.0f), f.texCorner1, f.texCorner2);
        }
        ASSERT_EQ(builder.vertexCount(), 6u);
        for (std::size_t v = 0; v < builder.vertexCount(); ++v) {
            const glm::vec3 direction = skyDirectionOnFace(static_cast<int>(face), builder.texcoords[v]);
            EXPECT_GT(glm::dot(direction, glm::normalize(builder.positions[v])), 0.99999f)
                << f.name << " vertex " << v;
        }
    }
}

TEST(SkyBoxLayout, FacesOwnTheCellTheirTextureCornersSpan)
{
    for (std::size_t face = 0; face < skyFaces().size(); ++face) {
        const SkyFace& f = skyFaces()[face];
        EXPECT_EQ(skyFaceAt((f.texCorner1 + f.texCorner2) * 0.5f), static_cast<int>(face)) << f.name;
    }
}

TEST(SkyBoxColour, ZenithIsBluerAndBrighterThanNadirAndHorizonIsPale)
{
    const glm::vec3 zenith = skyColour({0, 0, 1});
    const glm::vec3 nadir = skyColour({0, 0, -1});
    const glm::vec3 horizon = skyColour(glm::normalize(glm::vec3(-1, -1, 0.01f)));
    EXPECT_GT(zenith.b, zenith.r + 0.3f);
    EXPECT_GT(zenith.b, nadir.b);
    EXPECT_GT(zenith.r + zenith.g + zenith.b, nadir.r + nadir.g + nadir.b);
    EXPECT_GT(horizon.r, zenith.r) << "haze lightens the horizon";
}

TEST(SkyBoxColour, IsContinuousAcrossTheHorizon)
{
    const glm::vec3 above = skyColour(glm::normalize(glm::vec3(0.3f, -1, 0.001f)));
    const glm::vec3 below = skyColour(glm::normalize(glm::vec3(0.3f, -1, -0.001f)));
    EXPECT_LT(glm::distance(above, below), 0.15f);
}
