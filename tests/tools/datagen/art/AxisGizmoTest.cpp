#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "tools/datagen/art/AxisGizmo.h"

using namespace DataGen;
using Engine::GFX::Mesh::MeshData;
using Engine::GFX::Mesh::MeshFilePart;

namespace {

const MeshFilePart& partNamed(const MeshData& mesh, const std::string& name)
{
    for (const MeshFilePart& part : mesh.parts) {
        if (part.name == name) {
            return part;
        }
    }
    throw std::runtime_error("no part " + name);
}

std::vector<std::size_t> verticesOf(const MeshData& mesh, const MeshFilePart& part)
{
    std::vector<std::size_t> vertices;
    for (uint32_t i = part.firstIndex; i < part.firstIndex + part.indexCount; ++i) {
        vertices.push_back(mesh.indices[i] + part.baseVertex);
    }
    return vertices;
}

glm::vec3 extent(const MeshData& mesh, const MeshFilePart& part)
{
    glm::vec3 largest(0.0f);
    for (std::size_t v : verticesOf(mesh, part)) {
        largest = glm::max(largest, glm::abs(mesh.positions[v]));
    }
    return largest;
}

} // namespace

TEST(AxisGizmo, HasTheFiveNamedPartsInOrderEachWithTriangles)
{
    const MeshData mesh = makeAxisGizmoMesh();
    ASSERT_EQ(mesh.parts.size(), gizmoPartNames.size());
    for (std::size_t i = 0; i < gizmoPartNames.size(); ++i) {
        EXPECT_EQ(mesh.parts[i].name, gizmoPartNames[i]);
        EXPECT_GT(mesh.parts[i].indexCount, 0u);
        EXPECT_EQ(mesh.parts[i].indexCount % 3, 0u);
    }
    EXPECT_EQ(mesh.indices.size(), mesh.triangleCount * 3u);
    EXPECT_FALSE(mesh.isSkinned());
}

TEST(AxisGizmo, PartsStayInsideTheVertexListThroughTheirBaseVertex)
{
    const MeshData mesh = makeAxisGizmoMesh();
    for (const MeshFilePart& part : mesh.parts) {
        ASSERT_LE(part.firstIndex + part.indexCount, mesh.indices.size());
        for (std::size_t v : verticesOf(mesh, part)) {
            EXPECT_LT(v, mesh.vertexCount) << part.name;
        }
    }
}

TEST(AxisGizmo, EachArrowReachesOneMetreAlongItsOwnAxisOnly)
{
    const MeshData mesh = makeAxisGizmoMesh();
    const char* arrows[3] = {"x_axis_transform", "y_axis_transform", "z_axis_transform"};
    for (int axis = 0; axis < 3; ++axis) {
        const MeshFilePart& part = partNamed(mesh, arrows[axis]);
        const glm::vec3 size = extent(mesh, part);
        EXPECT_NEAR(size[axis], gizmoArrowLength, 1e-5f) << arrows[axis];
        for (int other = 0; other < 3; ++other) {
            if (other != axis) {
                EXPECT_LT(size[other], 0.1f) << arrows[axis] << " is thin across " << other;
            }
        }
        for (std::size_t v : verticesOf(mesh, part)) {
            EXPECT_GE(mesh.positions[v][axis], 0.0f) << arrows[axis] << " points to +";
        }
    }
}

TEST(AxisGizmo, CentreCubeAndSphereSitAtTheOrigin)
{
    const MeshData mesh = makeAxisGizmoMesh();
    EXPECT_NEAR(extent(mesh, partNamed(mesh, "center")).x, gizmoCentreHalfSize, 1e-6f);
    for (std::size_t v : verticesOf(mesh, partNamed(mesh, "center_sphere"))) {
        EXPECT_NEAR(glm::length(mesh.positions[v]), gizmoSphereRadius, 1e-5f);
    }
}

TEST(AxisGizmo, NormalsAreUnitAndPointAwayFromTheInside)
{
    const MeshData mesh = makeAxisGizmoMesh();
    for (std::size_t v = 0; v < mesh.vertexCount; ++v) {
        EXPECT_NEAR(glm::length(mesh.normals[v]), 1.0f, 1e-4f) << "vertex " << v;
    }
    for (const char* name : {"center", "center_sphere"}) {
        for (std::size_t v : verticesOf(mesh, partNamed(mesh, name))) {
            EXPECT_GT(glm::dot(mesh.normals[v], mesh.positions[v]), 0.0f) << name;
        }
    }
    // Side faces of the x arrow face away from the x axis.
    for (std::size_t v : verticesOf(mesh, partNamed(mesh, "x_axis_transform"))) {
        const glm::vec3 n = mesh.normals[v];
        const glm::vec2 radial(mesh.positions[v].y, mesh.positions[v].z);
        if (std::abs(n.x) < 0.5f && glm::length(radial) > 1e-4f) {
            EXPECT_GT(glm::dot(glm::vec2(n.y, n.z), radial), 0.0f) << "vertex " << v;
        }
    }
}

// Boxes repeat their texture once per face, mirrored on one side, so the
// coordinates stay within one texture of the origin.
TEST(AxisGizmo, TextureCoordinatesAreFiniteAndWithinOneRepeat)
{
    const MeshData mesh = makeAxisGizmoMesh();
    for (const glm::vec2& t : mesh.texcoords) {
        EXPECT_TRUE(std::isfinite(t.x) && std::isfinite(t.y));
        EXPECT_LE(std::abs(t.x), 1.0f);
        EXPECT_LE(std::abs(t.y), 1.0f);
    }
}
