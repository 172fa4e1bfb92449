#include "tools/datagen/art/AxisGizmo.h"

#include <cmath>

#include "Engine/Mesh/MeshBuilder.h"

namespace DataGen {

namespace {

using Engine::GFX::Mesh::MeshBuilder;
using Engine::GFX::Mesh::MeshData;
using Engine::GFX::Mesh::MeshFilePart;
using Engine::GFX::Mesh::MeshVertex;

constexpr float shaftStart = 0.05f;
constexpr float shaftRadius = 0.018f;
constexpr float headLength = 0.22f;
constexpr float headRadius = 0.06f;
constexpr int headSegments = 16;
constexpr int sphereSlices = 16;
constexpr int sphereStacks = 8;
const glm::vec4 white(1.0f);

// Exact quarter turns (no rounding of cos 90 degrees) taking +Z onto +X and +Y.
const glm::mat4 zToX(glm::vec4(0, 0, -1, 0), glm::vec4(0, 1, 0, 0), glm::vec4(1, 0, 0, 0), glm::vec4(0, 0, 0, 1));
const glm::mat4 zToY(glm::vec4(1, 0, 0, 0), glm::vec4(0, 0, -1, 0), glm::vec4(0, 1, 0, 0), glm::vec4(0, 0, 0, 1));

// Cone along +Z from baseZ up to its tip, with a closed base.
void addCone(MeshBuilder& builder, float baseZ, float height, float radius)
{
    const glm::vec3 tip(0.0f, 0.0f, baseZ + height);
    const glm::vec3 baseCentre(0.0f, 0.0f, baseZ);
    for (int k = 0; k < headSegments; ++k) {
        const float a0 = 2.0f * 3.14159265f * k / headSegments;
        const float a1 = 2.0f * 3.14159265f * (k + 1) / headSegments;
        const glm::vec2 d0(std::cos(a0), std::sin(a0)), d1(std::cos(a1), std::sin(a1));
        const glm::vec3 rim0(radius * d0, baseZ), rim1(radius * d1, baseZ);
        const float u0 = static_cast<float>(k) / headSegments, u1 = static_cast<float>(k + 1) / headSegments;
        builder.addTriangle(MeshVertex{rim0, {}, white, {u0, 0.0f}}, MeshVertex{rim1, {}, white, {u1, 0.0f}},
                            MeshVertex{tip, {}, white, {(u0 + u1) * 0.5f, 1.0f}});
        builder.addTriangle(MeshVertex{rim1, {}, white, 0.5f + 0.5f * d1}, MeshVertex{rim0, {}, white, 0.5f + 0.5f * d0},
                            MeshVertex{baseCentre, {}, white, glm::vec2(0.5f)});
    }
}

MeshBuilder arrowAlongZ()
{
    MeshBuilder arrow;
    const float shaftEnd = gizmoArrowLength - headLength;
    const glm::mat4 lift(glm::vec4(1, 0, 0, 0), glm::vec4(0, 1, 0, 0), glm::vec4(0, 0, 1, 0),
                         glm::vec4(0, 0, shaftStart, 1));
    MeshBuilder shaft;
    shaft.addCylinder(glm::vec3(0.0f), shaftEnd - shaftStart, shaftRadius, white);
    for (std::size_t v = 0; v < shaft.vertexCount(); ++v) {
        arrow.positions.push_back(glm::vec3(lift * glm::vec4(shaft.positions[v], 1.0f)));
    }
    arrow.normals = shaft.normals;
    arrow.colors = shaft.colors;
    arrow.texcoords = shaft.texcoords;
    addCone(arrow, shaftEnd, headLength, headRadius);
    return arrow;
}

// Appends the builder's triangles as one named part, moved by `transform`
// (a rigid motion, so normals turn with its rotation).
void appendPart(MeshData& mesh, const char* name, const MeshBuilder& builder, const glm::mat4& transform)
{
    MeshFilePart part;
    part.name = name;
    part.firstIndex = static_cast<uint32_t>(mesh.indices.size());
    part.indexCount = static_cast<uint32_t>(builder.vertexCount());
    part.baseVertex = mesh.vertexCount;
    const glm::mat3 rotation(transform);
    for (std::size_t v = 0; v < builder.vertexCount(); ++v) {
        mesh.positions.push_back(glm::vec3(transform * glm::vec4(builder.positions[v], 1.0f)));
        mesh.normals.push_back(glm::normalize(rotation * builder.normals[v]));
        mesh.texcoords.push_back(builder.texcoords[v]);
        mesh.indices.push_back(static_cast<uint32_t>(v));
    }
    mesh.vertexCount = static_cast<uint32_t>(mesh.positions.size());
    mesh.triangleCount = static_cast<uint32_t>(mesh.indices.size() / 3);
    mesh.parts.push_back(part);
}

} // namespace

MeshData makeAxisGizmoMesh()
{
    MeshData mesh;
    const glm::mat4 identity(1.0f);

    MeshBuilder centre;
    centre.addBox(glm::vec3(-gizmoCentreHalfSize), glm::vec3(gizmoCentreHalfSize), white);
    appendPart(mesh, gizmoPartNames[0], centre, identity);

    MeshBuilder sphere;
    sphere.addSphere(glm::vec3(0.0f), gizmoSphereRadius, sphereSlices, sphereStacks, white);
    appendPart(mesh, gizmoPartNames[1], sphere, identity);

    const MeshBuilder arrow = arrowAlongZ();
    appendPart(mesh, gizmoPartNames[2], arrow, zToX);
    appendPart(mesh, gizmoPartNames[3], arrow, zToY);
    appendPart(mesh, gizmoPartNames[4], arrow, identity);
    return mesh;
}

} // namespace DataGen
