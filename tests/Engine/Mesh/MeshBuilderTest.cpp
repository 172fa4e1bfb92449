#include <cmath>
#include <functional>
#include <utility>

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "Engine/Mesh/MeshBuilder.h"

using Engine::GFX::Mesh::MeshBuilder;
using Engine::GFX::Mesh::MeshVertex;

namespace {

const glm::vec4 white(1.0f);
constexpr float tolerance = 1e-5f;
using Corners = std::vector<std::pair<glm::vec3, glm::vec2>>;

void expectNear(const glm::vec3& expected, const glm::vec3& actual, const char* what)
{
    EXPECT_LT(glm::distance(expected, actual), tolerance) << what;
}

void expectArraysInStep(const MeshBuilder& mesh, std::size_t vertexCount)
{
    EXPECT_EQ(mesh.vertexCount(), vertexCount);
    EXPECT_EQ(mesh.normals.size(), vertexCount);
    EXPECT_EQ(mesh.colors.size(), vertexCount);
    EXPECT_EQ(mesh.texcoords.size(), vertexCount);
}

void expectAllNormals(const MeshBuilder& mesh, const glm::vec3& normal)
{
    for (const glm::vec3& n : mesh.normals) expectNear(normal, n, "normal");
}

// Every vertex at one of the positions carries that position's texture coordinate.
void expectTexcoords(const MeshBuilder& mesh, const Corners& corners)
{
    for (const auto& [position, texcoord] : corners) {
        int found = 0;
        for (std::size_t i = 0; i < mesh.vertexCount(); ++i) {
            if (mesh.positions[i] == position) {
                EXPECT_EQ(mesh.texcoords[i], texcoord) << "vertex " << i;
                ++found;
            }
        }
        EXPECT_GT(found, 0) << "no vertex at " << position.x << " " << position.y << " " << position.z;
    }
}

} // namespace

TEST(MeshBuilderTriangle, AppendsCornersInOrderWithFlatNormalIgnoringTheNormalSlot)
{
    MeshBuilder mesh;
    const MeshVertex a{{0, 0, 0}, {9, 9, 9}, {1, 0, 0, 1}, {0.1f, 0.2f}};
    const MeshVertex b{{0, 2, 0}, {9, 9, 9}, {0, 1, 0, 1}, {0.3f, 0.4f}};
    const MeshVertex c{{0, 0, 3}, {9, 9, 9}, {0, 0, 1, 1}, {0.5f, 0.6f}};
    mesh.addTriangle(a, b, c);
    expectArraysInStep(mesh, 3);
    EXPECT_EQ(mesh.positions[1], b.position);
    EXPECT_EQ(mesh.colors[2], c.color);
    EXPECT_EQ(mesh.texcoords[0], a.texcoord);
    expectAllNormals(mesh, {1, 0, 0});
}

TEST(MeshBuilderQuad, StartsAtTheLowerRightCornerFacesUpAndMapsTextureCorners)
{
    MeshBuilder mesh;
    mesh.addQuad({-1, -2}, {3, 4}, white, {0.25f, 0.5f}, {0.75f, 1.0f});
    expectArraysInStep(mesh, 6);
    EXPECT_EQ(mesh.positions[0], glm::vec3(3, -2, 0));
    EXPECT_EQ(mesh.positions[1], glm::vec3(-1, 4, 0));
    EXPECT_EQ(mesh.positions[2], glm::vec3(-1, -2, 0));
    expectAllNormals(mesh, {0, 0, 1});
    expectTexcoords(mesh, {{{-1, -2, 0}, {0.25f, 0.5f}}, {{-1, 4, 0}, {0.25f, 1.0f}},
                           {{3, -2, 0}, {0.75f, 0.5f}}, {{3, 4, 0}, {0.75f, 1.0f}}});

    MeshBuilder shortForm, fullForm;
    shortForm.addQuad({1, 2}, {5, 7}, white, {3, 4});
    fullForm.addQuad({1, 2}, {5, 7}, white, {0, 0}, {3, 4});
    EXPECT_EQ(shortForm.positions, fullForm.positions);
    EXPECT_EQ(shortForm.texcoords, fullForm.texcoords);
}

TEST(MeshBuilderHorizontalRectangle, OrdersVerticesByCornerFacesByCornerOrderAndMapsTextureCornersPerAxis)
{
    MeshBuilder mesh;
    mesh.addHorizontalRectangle({0, 0, 1}, {2, 3, 4}, white, {2, 3});
    expectArraysInStep(mesh, 6);
    const std::vector<glm::vec3> expected{{0, 3, 1}, {0, 0, 1}, {2, 0, 1}, {0, 3, 4}, {2, 0, 4}, {2, 3, 4}};
    EXPECT_EQ(mesh.positions, expected);
    expectTexcoords(mesh, {{{0, 0, 1}, {0, 0}}, {{2, 0, 1}, {2, 0}}, {{0, 3, 1}, {0, 3}}, {{2, 3, 4}, {2, 3}}});

    MeshBuilder swapped;
    swapped.addHorizontalRectangle({1, 0, 0}, {0, 1, 0}, white, {1, 1});
    expectAllNormals(swapped, {0, 0, -1});

    MeshBuilder corners;
    corners.addHorizontalRectangle({0, 0, 0}, {1, 1, 0}, white, glm::vec2(0.1f, 0.2f), glm::vec2(0.7f, 0.9f));
    expectAllNormals(corners, {0, 0, 1});
    expectTexcoords(corners, {{{0, 0, 0}, {0.1f, 0.2f}}, {{1, 1, 0}, {0.7f, 0.9f}},
                              {{0, 1, 0}, {0.1f, 0.9f}}, {{1, 0, 0}, {0.7f, 0.2f}}});
}

TEST(MeshBuilderVerticalRectangle, WallFacesLeftOfItsDirectionAndMapsTextureCornersToPositionAndHeight)
{
    MeshBuilder mesh;
    mesh.addVerticalRectangle({0, 0, 0}, {4, 0, 2}, white, {2, 3});
    expectArraysInStep(mesh, 6);
    const std::vector<glm::vec3> expected{{0, 0, 0}, {0, 0, 2}, {4, 0, 0}, {0, 0, 2}, {4, 0, 2}, {4, 0, 0}};
    EXPECT_EQ(mesh.positions, expected);
    expectAllNormals(mesh, {0, 1, 0});
    expectTexcoords(mesh, {{{0, 0, 0}, {2, 0}}, {{0, 0, 2}, {2, 3}}, {{4, 0, 0}, {0, 0}}, {{4, 0, 2}, {0, 3}}});

    MeshBuilder downwards;
    downwards.addVerticalRectangle({0, 0, 2}, {0, 3, 0}, white, {1, 1});
    expectAllNormals(downwards, {1, 0, 0});

    MeshBuilder corners;
    corners.addVerticalRectangle({0, 0, 0}, {1, 0, 1}, white, glm::vec2(0.1f, 0.2f), glm::vec2(0.7f, 0.9f));
    expectTexcoords(corners, {{{0, 0, 0}, {0.1f, 0.2f}}, {{0, 0, 1}, {0.1f, 0.9f}},
                              {{1, 0, 0}, {0.7f, 0.2f}}, {{1, 0, 1}, {0.7f, 0.9f}}});
}

TEST(MeshBuilderBox, SixOutwardFacesInFixedOrderEachOnItsSideWithWallTexturesRunningUpwards)
{
    MeshBuilder mesh;
    const glm::vec3 lo(-1, -2, -3), hi(4, 5, 6);
    mesh.addBox(lo, hi, white, {2, 2});
    expectArraysInStep(mesh, 36);
    const glm::vec3 faceNormals[6] = {{0, 0, 1}, {0, 0, -1}, {0, 1, 0}, {0, -1, 0}, {-1, 0, 0}, {1, 0, 0}};
    for (std::size_t v = 0; v < 36; ++v) {
        const glm::vec3 n = faceNormals[v / 6];
        expectNear(n, mesh.normals[v], "face normal");
        for (int axis = 0; axis < 3; ++axis) {
            if (n[axis] != 0.0f) {
                EXPECT_EQ(mesh.positions[v][axis], n[axis] > 0 ? hi[axis] : lo[axis]) << "vertex " << v;
            }
        }
    }
    for (std::size_t face = 2; face < 6; ++face) {
        float vLow = NAN, vHigh = NAN;
        for (std::size_t v = face * 6; v < face * 6 + 6; ++v) {
            (mesh.positions[v].z == lo.z ? vLow : vHigh) = mesh.texcoords[v].y;
        }
        EXPECT_LT(vLow, vHigh) << "wall texture runs upwards, face " << face;
    }
}

TEST(MeshBuilderCylinder, SixteenSegmentsWithCapsFacingDownAndUpSidesOutwardsAndTheTextureWrappingOnce)
{
    MeshBuilder mesh;
    const glm::vec3 centre(3, -2, 99);
    mesh.addCylinder(centre, 1.5f, 0.25f, white);
    expectArraysInStep(mesh, 192);
    expectNear({3.25f, -2, 0}, mesh.positions[0], "rim point 0 at angle 0, centre z ignored");
    for (std::size_t v = 0; v < mesh.vertexCount(); ++v) {
        const glm::vec3 p = mesh.positions[v];
        const glm::vec2 radial = glm::vec2(p) - glm::vec2(centre);
        EXPECT_TRUE(p.z == 0.0f || p.z == 1.5f) << "vertex " << v;
        EXPECT_TRUE(std::abs(glm::length(radial) - 0.25f) < tolerance || glm::length(radial) < tolerance) << v;
        const glm::vec3 n = mesh.normals[v];
        if (v % 12 < 3) {
            expectNear({0, 0, -1}, n, "bottom cap");
        } else if (v % 12 < 6) {
            expectNear({0, 0, 1}, n, "top cap");
        } else {
            EXPECT_TRUE(std::abs(n.z) < tolerance && glm::dot(glm::vec2(n), radial) > 0.0f) << "side vertex " << v;
        }
    }

    MeshBuilder textured;
    textured.addCylinder({0, 0, 0}, 1.0f, 1.0f, white, {2, 5});
    for (std::size_t segment = 0; segment < 16; ++segment) {
        const std::size_t first = segment * 12;
        for (std::size_t v = first; v < first + 6; ++v) {
            EXPECT_EQ(textured.texcoords[v], glm::vec2(0, 0)) << "caps are untextured";
        }
        const float u0 = segment * 0.0625f * 2.0f;
        EXPECT_EQ(textured.texcoords[first + 6], glm::vec2(u0, 0));
        EXPECT_EQ(textured.texcoords[first + 8], glm::vec2(u0, 5));
    }
    EXPECT_EQ(textured.texcoords[15 * 12 + 7], glm::vec2(2, 5)) << "last side ends at u = repeat";
}

TEST(MeshBuilderSphere, FirstRowHasOneTriangleOtherRowsTwoAndNoneBelowOneSliceOrStack)
{
    const std::pair<int, int> cases[] = {{6, 6}, {32, 16}, {5, 5}, {1, 1}, {3, 2}, {0, 6}, {-3, 6}, {6, 0}};
    for (const auto& [slices, stacks] : cases) {
        MeshBuilder mesh;
        mesh.addSphere({0, 0, 0}, 1.0f, slices, stacks, white);
        const int triangles = slices < 1 || stacks < 1 ? 0 : slices * (2 * stacks - 1);
        expectArraysInStep(mesh, static_cast<std::size_t>(triangles * 3));
    }
}

TEST(MeshBuilderSphere, StartsAtTheLowerPoleWithVerticesOnTheSphereRadialNormalsOutwardTrianglesAndTheRepeat)
{
    MeshBuilder mesh;
    const glm::vec3 centre(1, 2, 3);
    mesh.addSphere(centre, 0.1f, 6, 3, white, {2, 4});
    ASSERT_GT(mesh.vertexCount(), 0u);
    glm::vec2 lo(1e9f), hi(-1e9f);
    for (std::size_t v = 0; v < mesh.vertexCount(); ++v) {
        EXPECT_NEAR(glm::distance(mesh.positions[v], centre), 0.1f, tolerance) << "vertex " << v;
        expectNear((mesh.positions[v] - centre) / 0.1f, mesh.normals[v], "radial normal");
        lo = glm::min(lo, mesh.texcoords[v]);
        hi = glm::max(hi, mesh.texcoords[v]);
    }
    EXPECT_EQ(lo, glm::vec2(0, 0));
    EXPECT_EQ(hi, glm::vec2(2, 4));
    expectNear(centre + glm::vec3(0, 0, -0.1f), mesh.positions[0], "lower pole first");
    for (std::size_t first = 0; first < mesh.vertexCount(); first += 3) {
        const glm::vec3* p = &mesh.positions[first];
        const glm::vec3 n = glm::cross(p[1] - p[0], p[2] - p[0]);
        if (glm::length(n) > 1e-6f) { // the cells at the upper pole collapse one of their two triangles
            EXPECT_GT(glm::dot(n, p[0] + p[1] + p[2] - 3.0f * centre), 0.0f) << "triangle " << first / 3;
        }
    }
}

TEST(MeshBuilder, TransformedVariantsMovePositionsButKeepModelNormalsAndTextures)
{
    const glm::mat4 transform = glm::scale(
        glm::rotate(glm::translate(glm::mat4(1.0f), {5, 6, 7}), glm::radians(90.0f), glm::vec3(0, 1, 1)), {2, 2, 2});
    using Add = std::function<void(MeshBuilder&, const glm::mat4&)>;
    const glm::vec2 t1(0.1f, 0.2f), t2(0.7f, 0.9f);
    const MeshVertex o{{0, 0, 0}, {}, white, {}}, x{{1, 0, 0}, {}, white, {}}, y{{0, 1, 0}, {}, white, {}};
    const std::vector<std::pair<const char*, Add>> shapes = {
        {"triangle", [&](auto& m, auto& t) { m.addTriangle(o, x, y, t); }},
        {"horizontal", [](auto& m, auto& t) { m.addHorizontalRectangle({0, 0, 1}, {2, 3, 4}, white, {2, 3}, t); }},
        {"horizontal corners",
         [&](auto& m, auto& t) { m.addHorizontalRectangle({0, 0, 1}, {2, 3, 4}, white, t1, t2, t); }},
        {"vertical", [](auto& m, auto& t) { m.addVerticalRectangle({0, 0, 0}, {4, 0, 2}, white, {2, 3}, t); }},
        {"vertical corners", [&](auto& m, auto& t) { m.addVerticalRectangle({0, 0, 0}, {4, 0, 2}, white, t1, t2, t); }},
        {"box", [](auto& m, auto& t) { m.addBox({-0.5f, -1, -2}, {0.5f, 1, 2}, white, {3, 4}, t); }},
    };
    for (const auto& [name, add] : shapes) {
        SCOPED_TRACE(name);
        MeshBuilder plain, moved;
        add(plain, glm::mat4(1.0f));
        add(moved, transform);
        ASSERT_EQ(moved.vertexCount(), plain.vertexCount());
        for (std::size_t v = 0; v < plain.vertexCount(); ++v) {
            expectNear(glm::vec3(transform * glm::vec4(plain.positions[v], 1.0f)), moved.positions[v], "position");
        }
        EXPECT_EQ(moved.normals, plain.normals);
        EXPECT_EQ(moved.texcoords, plain.texcoords);
    }
}
