#include <cmath>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "tools/datagen/art/AxisGizmo.h"

using namespace DataGen;
using Engine::GFX::Mesh::MeshData;

namespace {

// The vertex numbers of the named part's triangles.
std::vector<std::size_t> verticesOf(const MeshData& mesh, const std::string& name)
{
    for (const auto& part : mesh.parts) {
        if (part.name != name) continue;
        std::vector<std::size_t> vertices;
        for (uint32_t i = part.firstIndex; i < part.firstIndex + part.indexCount; ++i) {
            vertices.push_back(mesh.indices.at(i) + part.baseVertex);
        }
        return vertices;
    }
    throw std::runtime_error("no part " + name);
}

glm::vec3 extent(const MeshData& mesh, const std::string& name)
{
    glm::vec3 largest(0.0f);
    for (std::size_t v : verticesOf(mesh, name)) largest = glm::max(largest, glm::abs(mesh.positions[v]));
    return largest;
}

} // namespace

TEST(AxisGizmo, HasTheFiveNamedPartsInOrderEachWithTrianglesInsideTheVertexList)
{
    const MeshData mesh = makeAxisGizmoMesh();
    ASSERT_EQ(mesh.parts.size(), gizmoPartNames.size());
    for (std::size_t i = 0; i < gizmoPartNames.size(); ++i) {
        EXPECT_EQ(mesh.parts[i].name, gizmoPartNames[i]);
        EXPECT_GT(mesh.parts[i].indexCount, 0u);
        EXPECT_EQ(mesh.parts[i].indexCount % 3, 0u);
        for (std::size_t v : verticesOf(mesh, gizmoPartNames[i])) EXPECT_LT(v, mesh.vertexCount) << gizmoPartNames[i];
    }
    EXPECT_EQ(mesh.indices.size(), mesh.triangleCount * 3u);
    EXPECT_FALSE(mesh.isSkinned());
}

TEST(AxisGizmo, EachArrowReachesOneMetreAlongItsOwnAxisAndTheCentreSitsAtTheOrigin)
{
    const MeshData mesh = makeAxisGizmoMesh();
    for (int axis = 0; axis < 3; ++axis) {
        const std::string name = gizmoPartNames[2 + axis];
        const glm::vec3 size = extent(mesh, name);
        EXPECT_NEAR(size[axis], gizmoArrowLength, 1e-5f) << name;
        EXPECT_LT(size[(axis + 1) % 3], 0.1f) << name << " is thin";
        EXPECT_LT(size[(axis + 2) % 3], 0.1f) << name << " is thin";
        for (std::size_t v : verticesOf(mesh, name)) EXPECT_GE(mesh.positions[v][axis], 0.0f) << name << " points to +";
    }
    EXPECT_NEAR(extent(mesh, "center").x, gizmoCentreHalfSize, 1e-6f);
    for (std::size_t v : verticesOf(mesh, "center_sphere")) {
        EXPECT_NEAR(glm::length(mesh.positions[v]), gizmoSphereRadius, 1e-5f);
    }
}

TEST(AxisGizmo, NormalsAreUnitAndPointAwayFromTheInside)
{
    const MeshData mesh = makeAxisGizmoMesh();
    for (std::size_t v = 0; v < mesh.vertexCount; ++v) EXPECT_NEAR(glm::length(mesh.normals[v]), 1.0f, 1e-4f) << v;
    for (const char* name : {"center", "center_sphere"}) {
        for (std::size_t v : verticesOf(mesh, name)) EXPECT_GT(glm::dot(mesh.normals[v], mesh.positions[v]), 0.0f) << name;
    }
    // Side faces of the x arrow face away from the x axis.
    for (std::size_t v : verticesOf(mesh, "x_axis_transform")) {
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
    for (const glm::vec2& t : makeAxisGizmoMesh().texcoords) {
        EXPECT_TRUE(std::isfinite(t.x) && std::isfinite(t.y));
        EXPECT_LE(glm::max(std::abs(t.x), std::abs(t.y)), 1.0f);
    }
}
