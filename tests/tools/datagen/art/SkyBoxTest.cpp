#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "Engine/Mesh/MeshBuilder.h"
#include "tools/datagen/art/SkyBox.h"

using namespace DataGen;

TEST(SkyBoxLayout, EachCellBelongsToOneFaceAndItsCentreLooksAlongThatFacesAxis)
{
    const std::pair<glm::vec2, glm::vec3> cells[] = {
        {{1.0f / 6, 0.25f}, {0, 0, -1}}, {{0.5f, 0.25f}, {0, 0, 1}}, {{5.0f / 6, 0.25f}, {0, 1, 0}},
        {{1.0f / 6, 0.75f}, {-1, 0, 0}}, {{0.5f, 0.75f}, {0, -1, 0}}, {{5.0f / 6, 0.75f}, {1, 0, 0}},
    };
    std::vector<int> owners;
    for (const auto& [centre, axis] : cells) {
        EXPECT_NEAR(glm::distance(axis, skyDirectionAt(centre)), 0.0f, 1e-3f) << centre.x << ", " << centre.y;
        owners.push_back(skyFaceAt(centre));
    }
    std::sort(owners.begin(), owners.end());
    EXPECT_EQ(owners, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// The renderer builds the cube from the same corners with the mesh builder;
// every vertex it makes must look up the sky in its own direction, which
// makes the mapping right over whole faces (it is affine per face) and so
// the cells meet without seams on the cube.
TEST(SkyBoxLayout, FacesOwnTheirCellAndAgreeWithTheBuiltCubeAtEveryVertex)
{
    for (std::size_t face = 0; face < skyFaces().size(); ++face) {
        const SkyFace& f = skyFaces()[face];
        EXPECT_EQ(skyFaceAt((f.texCorner1 + f.texCorner2) * 0.5f), static_cast<int>(face)) << f.name;
        Engine::GFX::Mesh::MeshBuilder builder;
        if (f.wall) {
            builder.addVerticalRectangle(f.corner1, f.corner2, glm::vec4(1.0f), f.texCorner1, f.texCorner2);
        } else {
            builder.addHorizontalRectangle(f.corner1, f.corner2, glm::vec4(1.0f), f.texCorner1, f.texCorner2);
        }
        ASSERT_EQ(builder.vertexCount(), 6u);
        for (std::size_t v = 0; v < builder.vertexCount(); ++v) {
            const glm::vec3 direction = skyDirectionOnFace(static_cast<int>(face), builder.texcoords[v]);
            EXPECT_GT(glm::dot(direction, glm::normalize(builder.positions[v])), 0.99999f) << f.name << " vertex " << v;
        }
    }
}

TEST(SkyBoxColour, ZenithIsBluerAndBrighterThanNadirAndTheHorizonIsPaleAndContinuous)
{
    const glm::vec3 zenith = skyColour({0, 0, 1});
    const glm::vec3 nadir = skyColour({0, 0, -1});
    EXPECT_GT(zenith.b, zenith.r + 0.3f);
    EXPECT_GT(zenith.b, nadir.b);
    EXPECT_GT(zenith.r + zenith.g + zenith.b, nadir.r + nadir.g + nadir.b);
    EXPECT_GT(skyColour(glm::normalize(glm::vec3(-1, -1, 0.01f))).r, zenith.r) << "haze lightens the horizon";
    const glm::vec3 above = skyColour(glm::normalize(glm::vec3(0.3f, -1, 0.001f)));
    const glm::vec3 below = skyColour(glm::normalize(glm::vec3(0.3f, -1, -0.001f)));
    EXPECT_LT(glm::distance(above, below), 0.15f);
}
