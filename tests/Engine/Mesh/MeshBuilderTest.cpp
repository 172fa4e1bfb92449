#include <cmath>

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "Engine/Mesh/MeshBuilder.h"

using Engine::GFX::Mesh::MeshBuilder;
using Engine::GFX::Mesh::MeshVertex;

namespace {

const glm::vec4 white(1.0f);
constexpr float tolerance = 1e-5f;

void expectNear(const glm::vec3& expected, const glm::vec3& actual, const char* what)
{
    EXPECT_NEAR(expected.x, actual.x, tolerance) << what;
    EXPECT_NEAR(expected.y, actual.y, tolerance) << what;
    EXPECT_NEAR(expected.z, actual.z, tolerance) << what;
}

void expectArraysInStep(const MeshBuilder& mesh)
{
    EXPECT_EQ(mesh.positions.size(), mesh.normals.size());
    EXPECT_EQ(mesh.positions.size(), mesh.colors.size());
    EXPECT_EQ(mesh.positions.size(), mesh.texcoords.size());
    EXPECT_EQ(mesh.vertexCount() % 3, 0u);
}

// The texture coordinate of the vertex at `position` (exact match).
glm::vec2 texcoordAt(const MeshBuilder& mesh, const glm::vec3& position)
{
    for (std::size_t i = 0; i < mesh.vertexCount(); ++i) {
        if (mesh.positions[i] == position) {
            return mesh.texcoords[i];
        }
    }
    ADD_FAILURE() << "no vertex at " << position.x << " " << position.y << " " << position.z;
    return glm::vec2(NAN);
}

glm::vec3 flatNormal(const MeshBuilder& mesh, std::size_t first)
{
    const glm::vec3 e1 = mesh.positions[first + 1] - mesh.positions[first];
    const glm::vec3 e2 = mesh.positions[first + 2] - mesh.positions[first];
    return glm::cross(e1, e2);
}

} // namespace

// ---- triangle --------------------------------------------------------------

TEST(MeshBuilderTriangle, AppendsCornersInOrderWithFlatNormalIgnoringTheNormalSlot)
{
    MeshBuilder mesh;
    const MeshVertex a{{0, 0, 0}, {9, 9, 9}, {1, 0, 0, 1}, {0.1f, 0.2f}};
    const MeshVertex b{{0, 2, 0}, {9, 9, 9}, {0, 1, 0, 1}, {0.3f, 0.4f}};
    const MeshVertex c{{0, 0, 3}, {9, 9, 9}, {0, 0, 1, 1}, {0.5f, 0.6f}};
    mesh.addTriangle(a, b, c);
    ASSERT_EQ(mesh.vertexCount(), 3u);
    expectArraysInStep(mesh);
    EXPECT_EQ(mesh.positions[1], b.position);
    EXPECT_EQ(mesh.colors[2], c.color);
    EXPECT_EQ(mesh.texcoords[0], a.texcoord);
    for (const glm::vec3& n : mesh.normals) {
        expectNear({1, 0, 0}, n, "normal from the corners, not the slot");
    }
}

TEST(MeshBuilderTriangle, TransformedVariantMovesPositionsButKeepsTheModelNormal)
{
    MeshBuilder mesh;
    const glm::mat4 transform = glm::rotate(glm::translate(glm::mat4(1.0f), {5, 6, 7}), glm::radians(90.0f),
                                            glm::vec3(0, 1, 0));
    const MeshVertex a{{0, 0, 0}, {}, white, {}};
    const MeshVertex b{{1, 0, 0}, {}, white, {}};
    const MeshVertex c{{0, 1, 0}, {}, white, {}};
    mesh.addTriangle(a, b, c, transform);
    ASSERT_EQ(mesh.vertexCount(), 3u);
    expectNear({5, 6, 7}, mesh.positions[0], "origin translated");
    expectNear({5, 6, 6}, mesh.positions[1], "x axis rotated onto -z");
    expectNear({0, 0, 1}, mesh.normals[0], "normal left untransformed");
}

// ---- quads -----------------------------------------------------------------

TEST(MeshBuilderQuad, TwoByOneQuadStartsAtTheLowerRightCornerAndFacesUp)
{
    MeshBuilder mesh;
    mesh.addQuad({0, 0}, {2, 1}, white, {0, 0}, {1, 1});
    ASSERT_EQ(mesh.vertexCount(), 6u);
    expectArraysInStep(mesh);
    EXPECT_EQ(mesh.positions[0], glm::vec3(2, 0, 0));
    EXPECT_EQ(mesh.positions[1], glm::vec3(0, 1, 0));
    EXPECT_EQ(mesh.positions[2], glm::vec3(0, 0, 0));
    for (const glm::vec3& n : mesh.normals) {
        EXPECT_EQ(n, glm::vec3(0, 0, 1));
    }
}

TEST(MeshBuilderQuad, TextureCornersMapToTheirGeometricCorners)
{
    MeshBuilder mesh;
    mesh.addQuad({-1, -2}, {3, 4}, white, {0.25f, 0.5f}, {0.75f, 1.0f});
    EXPECT_EQ(texcoordAt(mesh, {-1, -2, 0}), glm::vec2(0.25f, 0.5f));
    EXPECT_EQ(texcoordAt(mesh, {-1, 4, 0}), glm::vec2(0.25f, 1.0f));
    EXPECT_EQ(texcoordAt(mesh, {3, -2, 0}), glm::vec2(0.75f, 0.5f));
    EXPECT_EQ(texcoordAt(mesh, {3, 4, 0}), glm::vec2(0.75f, 1.0f));
}

TEST(MeshBuilderQuad, TextureOriginFormEqualsTheFullFormFromZero)
{
    MeshBuilder shortForm, fullForm;
    const glm::vec4 color(0.2f, 0.4f, 0.6f, 0.8f);
    shortForm.addQuad({1, 2}, {5, 7}, color, {3, 4});
    fullForm.addQuad({1, 2}, {5, 7}, color, {0, 0}, {3, 4});
    EXPECT_EQ(shortForm.positions, fullForm.positions);
    EXPECT_EQ(shortForm.texcoords, fullForm.texcoords);
    EXPECT_EQ(shortForm.colors, fullForm.colors);
}

// ---- horizontal rectangles -------------------------------------------------

TEST(MeshBuilderHorizontalRectangle, RepeatRunsFromZeroAtTheFirstCornerToRepeatAtTheSecond)
{
    MeshBuilder mesh;
    mesh.addHorizontalRectangle({0, 0, 5}, {1, 1, 5}, white, {2, 3});
    ASSERT_EQ(mesh.vertexCount(), 6u);
    EXPECT_EQ(texcoordAt(mesh, {1, 1, 5}), glm::vec2(2, 3));
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 5}), glm::vec2(0, 0));
    EXPECT_EQ(texcoordAt(mesh, {1, 0, 5}), glm::vec2(2, 0));
    EXPECT_EQ(texcoordAt(mesh, {0, 1, 5}), glm::vec2(0, 3));
    for (const glm::vec3& n : mesh.normals) {
        EXPECT_EQ(n, glm::vec3(0, 0, 1));
    }
}

TEST(MeshBuilderHorizontalRectangle, VertexOrderAndHeightsFollowEachTriangleItsCorner)
{
    MeshBuilder mesh;
    mesh.addHorizontalRectangle({0, 0, 1}, {2, 3, 4}, white, {1, 1});
    const std::vector<glm::vec3> expected{{0, 3, 1}, {0, 0, 1}, {2, 0, 1}, {0, 3, 4}, {2, 0, 4}, {2, 3, 4}};
    EXPECT_EQ(mesh.positions, expected);
}

TEST(MeshBuilderHorizontalRectangle, SwappingTheXValuesTurnsTheFaceDown)
{
    MeshBuilder mesh;
    mesh.addHorizontalRectangle({1, 0, 0}, {0, 1, 0}, white, {1, 1});
    for (const glm::vec3& n : mesh.normals) {
        EXPECT_EQ(n, glm::vec3(0, 0, -1));
    }
}

TEST(MeshBuilderHorizontalRectangle, TextureCornerFormFromZeroEqualsRepeatForm)
{
    MeshBuilder repeatForm, cornerForm;
    repeatForm.addHorizontalRectangle({-1, 2, 3}, {4, 6, 3}, white, {2.5f, 7});
    cornerForm.addHorizontalRectangle({-1, 2, 3}, {4, 6, 3}, white, glm::vec2(0, 0), glm::vec2(2.5f, 7));
    EXPECT_EQ(repeatForm.positions, cornerForm.positions);
    EXPECT_EQ(repeatForm.texcoords, cornerForm.texcoords);
    EXPECT_EQ(repeatForm.normals, cornerForm.normals);
}

TEST(MeshBuilderHorizontalRectangle, TextureCornersMixPerAxis)
{
    MeshBuilder mesh;
    mesh.addHorizontalRectangle({0, 0, 0}, {1, 1, 0}, white, glm::vec2(0.1f, 0.2f), glm::vec2(0.7f, 0.9f));
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 0}), glm::vec2(0.1f, 0.2f));
    EXPECT_EQ(texcoordAt(mesh, {1, 1, 0}), glm::vec2(0.7f, 0.9f));
    EXPECT_EQ(texcoordAt(mesh, {0, 1, 0}), glm::vec2(0.1f, 0.9f));
    EXPECT_EQ(texcoordAt(mesh, {1, 0, 0}), glm::vec2(0.7f, 0.2f));
}

// ---- vertical rectangles ---------------------------------------------------

TEST(MeshBuilderVerticalRectangle, LowToHighWallFacesLeftOfItsDirectionWithRepeatMapping)
{
    MeshBuilder mesh;
    mesh.addVerticalRectangle({0, 0, 0}, {4, 0, 2}, white, {2, 3});
    ASSERT_EQ(mesh.vertexCount(), 6u);
    const std::vector<glm::vec3> expected{{0, 0, 0}, {0, 0, 2}, {4, 0, 0}, {0, 0, 2}, {4, 0, 2}, {4, 0, 0}};
    EXPECT_EQ(mesh.positions, expected);
    for (const glm::vec3& n : mesh.normals) {
        expectNear({0, 1, 0}, n, "left of +x is +y");
    }
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 0}), glm::vec2(2, 0));
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 2}), glm::vec2(2, 3));
    EXPECT_EQ(texcoordAt(mesh, {4, 0, 0}), glm::vec2(0, 0));
    EXPECT_EQ(texcoordAt(mesh, {4, 0, 2}), glm::vec2(0, 3));
}

TEST(MeshBuilderVerticalRectangle, HighToLowWallFacesTheOtherWay)
{
    MeshBuilder mesh;
    mesh.addVerticalRectangle({0, 0, 2}, {0, 3, 0}, white, {1, 1});
    for (const glm::vec3& n : mesh.normals) {
        expectNear({1, 0, 0}, n, "(-dy, dx, 0) scaled by a negative height");
    }
}

TEST(MeshBuilderVerticalRectangle, TextureCornerFormWithSwappedRepeatEqualsRepeatForm)
{
    MeshBuilder repeatForm, cornerForm;
    repeatForm.addVerticalRectangle({1, 2, 0}, {3, 5, 4}, white, {1.5f, 2.5f});
    cornerForm.addVerticalRectangle({1, 2, 0}, {3, 5, 4}, white, glm::vec2(1.5f, 0), glm::vec2(0, 2.5f));
    EXPECT_EQ(repeatForm.positions, cornerForm.positions);
    EXPECT_EQ(repeatForm.texcoords, cornerForm.texcoords);
}

TEST(MeshBuilderVerticalRectangle, TextureCornersMixPositionAndHeight)
{
    MeshBuilder mesh;
    mesh.addVerticalRectangle({0, 0, 0}, {1, 0, 1}, white, glm::vec2(0.1f, 0.2f), glm::vec2(0.7f, 0.9f));
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 0}), glm::vec2(0.1f, 0.2f));
    EXPECT_EQ(texcoordAt(mesh, {0, 0, 1}), glm::vec2(0.1f, 0.9f));
    EXPECT_EQ(texcoordAt(mesh, {1, 0, 0}), glm::vec2(0.7f, 0.2f));
    EXPECT_EQ(texcoordAt(mesh, {1, 0, 1}), glm::vec2(0.7f, 0.9f));
}

TEST(MeshBuilderVerticalRectangle, TransformedVariantKeepsTheWallNormal)
{
    MeshBuilder mesh;
    const glm::mat4 transform = glm::rotate(glm::mat4(1.0f), glm::radians(90.0f), glm::vec3(0, 0, 1));
    mesh.addVerticalRectangle({0, 0, 0}, {1, 0, 1}, white, {1, 1}, transform);
    expectNear({0, 1, 0}, mesh.positions[2], "x rotated onto y");
    expectNear({0, 1, 0}, mesh.normals[0], "normal of the untransformed wall");
}

// ---- box ---------------------------------------------------------------------

TEST(MeshBuilderBox, UnitBoxHasSixOutwardFacesInFixedOrder)
{
    MeshBuilder mesh;
    mesh.addBox({0, 0, 0}, {1, 1, 1}, white);
    ASSERT_EQ(mesh.vertexCount(), 36u);
    expectArraysInStep(mesh);
    const glm::vec3 faceNormals[6] = {{0, 0, 1}, {0, 0, -1}, {0, 1, 0}, {0, -1, 0}, {-1, 0, 0}, {1, 0, 0}};
    for (std::size_t v = 0; v < 36; ++v) {
        expectNear(faceNormals[v / 6], mesh.normals[v], "face normal");
    }
}

TEST(MeshBuilderBox, EveryFaceLiesOnItsSideOfTheBox)
{
    MeshBuilder mesh;
    const glm::vec3 lo(-1, -2, -3), hi(4, 5, 6);
    mesh.addBox(lo, hi, white, {2, 2});
    for (std::size_t v = 0; v < 36; ++v) {
        const glm::vec3 n = mesh.normals[v];
        const glm::vec3 p = mesh.positions[v];
        for (int axis = 0; axis < 3; ++axis) {
            if (n[axis] > 0.5f) {
                EXPECT_EQ(p[axis], hi[axis]) << "vertex " << v;
            } else if (n[axis] < -0.5f) {
                EXPECT_EQ(p[axis], lo[axis]) << "vertex " << v;
            }
        }
    }
}

TEST(MeshBuilderBox, WallTexturesRunUpwardsOnEveryWall)
{
    MeshBuilder mesh;
    mesh.addBox({0, 0, 0}, {1, 1, 1}, white, {1, 1});
    for (std::size_t face = 2; face < 6; ++face) {
        const std::size_t first = face * 6;
        float vLow = NAN, vHigh = NAN;
        for (std::size_t v = first; v < first + 6; ++v) {
            (mesh.positions[v].z == 0.0f ? vLow : vHigh) = mesh.texcoords[v].y;
        }
        EXPECT_LT(vLow, vHigh) << "face " << face;
    }
}

TEST(MeshBuilderBox, TransformedBoxMovesEveryVertexAndKeepsFaceNormals)
{
    MeshBuilder plain, moved;
    const glm::mat4 transform = glm::scale(glm::translate(glm::mat4(1.0f), {10, 0, 0}), {2, 2, 2});
    plain.addBox({-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, white, {3, 4});
    moved.addBox({-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, white, {3, 4}, transform);
    ASSERT_EQ(moved.vertexCount(), plain.vertexCount());
    for (std::size_t v = 0; v < plain.vertexCount(); ++v) {
        expectNear(glm::vec3(10, 0, 0) + 2.0f * plain.positions[v], moved.positions[v], "transformed position");
    }
    EXPECT_EQ(moved.normals, plain.normals);
    EXPECT_EQ(moved.texcoords, plain.texcoords);
}

// ---- cylinder ----------------------------------------------------------------

TEST(MeshBuilderCylinder, SixteenSegmentsOfFourTriangles)
{
    MeshBuilder mesh;
    mesh.addCylinder({0, 0, 0}, 1.0f, 0.025f, white);
    EXPECT_EQ(mesh.vertexCount(), 192u);
    expectArraysInStep(mesh);
}

TEST(MeshBuilderCylinder, CapsFaceDownAndUpAndSidesFaceOutwards)
{
    MeshBuilder mesh;
    mesh.addCylinder({0, 0, 0}, 2.0f, 0.5f, white);
    for (std::size_t segment = 0; segment < 16; ++segment) {
        const std::size_t first = segment * 12;
        expectNear({0, 0, -1}, mesh.normals[first], "bottom cap");
        expectNear({0, 0, 1}, mesh.normals[first + 3], "top cap");
        for (std::size_t v = first + 6; v < first + 12; ++v) {
            const glm::vec3 n = mesh.normals[v];
            EXPECT_NEAR(n.z, 0.0f, tolerance);
            EXPECT_GT(glm::dot(n, glm::vec3(mesh.positions[v].x, mesh.positions[v].y, 0)), 0.0f);
        }
    }
}

TEST(MeshBuilderCylinder, RimFollowsTheCentreFromZeroToHeightIgnoringCentreZ)
{
    MeshBuilder mesh;
    const glm::vec3 centre(3, -2, 99);
    mesh.addCylinder(centre, 1.5f, 0.25f, white);
    for (std::size_t v = 0; v < mesh.vertexCount(); ++v) {
        const glm::vec3 p = mesh.positions[v];
        EXPECT_TRUE(p.z == 0.0f || p.z == 1.5f) << "vertex " << v;
        const float distance = glm::length(glm::vec2(p) - glm::vec2(centre));
        EXPECT_TRUE(std::abs(distance - 0.25f) < tolerance || distance < tolerance) << "vertex " << v;
    }
    expectNear({3.25f, -2, 0}, mesh.positions[0], "rim point 0 at angle 0");
}

TEST(MeshBuilderCylinder, TextureWrapsOnceAroundAndCapsAreUntextured)
{
    MeshBuilder mesh;
    mesh.addCylinder({0, 0, 0}, 1.0f, 1.0f, white, {2, 5});
    for (std::size_t segment = 0; segment < 16; ++segment) {
        const std::size_t first = segment * 12;
        for (std::size_t v = first; v < first + 6; ++v) {
            EXPECT_EQ(mesh.texcoords[v], glm::vec2(0, 0));
        }
        const float u0 = segment * 0.0625f * 2.0f;
        EXPECT_EQ(mesh.texcoords[first + 6], glm::vec2(u0, 0));
        EXPECT_EQ(mesh.texcoords[first + 8], glm::vec2(u0, 5));
    }
    EXPECT_EQ(mesh.texcoords[15 * 12 + 7], glm::vec2(2, 5)) << "last side ends at u = repeat";
}

// ---- sphere ------------------------------------------------------------------

class MeshBuilderSphereCounts : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(MeshBuilderSphereCounts, FirstRowHasOneTriangleOtherRowsTwo)
{
    const auto [slices, stacks] = GetParam();
    MeshBuilder mesh;
    mesh.addSphere({0, 0, 0}, 1.0f, slices, stacks, white);
    EXPECT_EQ(mesh.vertexCount(), static_cast<std::size_t>(slices * (2 * stacks - 1) * 3));
    expectArraysInStep(mesh);
}

INSTANTIATE_TEST_SUITE_P(GameSpheres, MeshBuilderSphereCounts,
                         ::testing::Values(std::make_pair(6, 6), std::make_pair(32, 16), std::make_pair(5, 5),
                                           std::make_pair(1, 1), std::make_pair(3, 2)));

TEST(MeshBuilderSphere, VerticesLieOnTheSphereWithRadialNormals)
{
    MeshBuilder mesh;
    const glm::vec3 centre(1, 2, 3);
    mesh.addSphere(centre, 0.1f, 5, 5, white);
    ASSERT_GT(mesh.vertexCount(), 0u);
    for (std::size_t v = 0; v < mesh.vertexCount(); ++v) {
        EXPECT_NEAR(glm::distance(mesh.positions[v], centre), 0.1f, tolerance) << "vertex " << v;
        expectNear((mesh.positions[v] - centre) / 0.1f, mesh.normals[v], "radial normal");
    }
}

TEST(MeshBuilderSphere, FirstVertexIsTheLowerPoleAndTrianglesFaceOutwards)
{
    MeshBuilder mesh;
    mesh.addSphere({0, 0, 0}, 2.0f, 8, 4, white);
    expectNear({0, 0, -2}, mesh.positions[0], "lower pole first");
    for (std::size_t first = 0; first < mesh.vertexCount(); first += 3) {
        const glm::vec3 n = flatNormal(mesh, first);
        if (glm::length(n) < 1e-6f) {
            continue; // the cells at the upper pole collapse one of their two triangles
        }
        const glm::vec3 centroid = (mesh.positions[first] + mesh.positions[first + 1] + mesh.positions[first + 2]);
        EXPECT_GT(glm::dot(n, centroid), 0.0f) << "triangle " << first / 3;
    }
}

TEST(MeshBuilderSphere, TextureCoordinatesSpanTheRepeat)
{
    MeshBuilder mesh;
    mesh.addSphere({0, 0, 0}, 1.0f, 6, 3, white, {2, 4});
    glm::vec2 lo(1e9f), hi(-1e9f);
    for (const glm::vec2& t : mesh.texcoords) {
        lo = glm::min(lo, t);
        hi = glm::max(hi, t);
    }
    EXPECT_EQ(lo, glm::vec2(0, 0));
    EXPECT_EQ(hi, glm::vec2(2, 4));
}

TEST(MeshBuilderSphere, NothingForFewerThanOneSliceOrStack)
{
    MeshBuilder mesh;
    mesh.addSphere({0, 0, 0}, 1.0f, 0, 6, white);
    mesh.addSphere({0, 0, 0}, 1.0f, -3, 6, white);
    mesh.addSphere({0, 0, 0}, 1.0f, 6, 0, white);
    EXPECT_EQ(mesh.vertexCount(), 0u);
    expectArraysInStep(mesh);
}

TEST(MeshBuilder, ClearEmptiesEveryArray)
{
    MeshBuilder mesh;
    mesh.addBox({0, 0, 0}, {1, 1, 1}, white);
    mesh.clear();
    EXPECT_EQ(mesh.vertexCount(), 0u);
    EXPECT_TRUE(mesh.normals.empty() && mesh.colors.empty() && mesh.texcoords.empty());
}
