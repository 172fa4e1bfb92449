#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace Engine::GFX::Mesh {

// One named part of a mesh file: a range of the index list drawn with a base vertex.
struct MeshFilePart {
    uint32_t firstIndex = 0;
    uint32_t indexCount = 0;
    uint32_t baseVertex = 0;
    std::string name;
};

// Up to four bones influencing one vertex; ids index the mesh's bone list.
struct VertexBoneData {
    uint32_t ids[4] = {0, 0, 0, 0};
    float weights[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

struct MeshFileBone {
    glm::mat4 offset{1.0f};
    std::string name;
};

// The content of a ".cmesh" (static) or ".camesh" (skinned) file.
struct MeshData {
    uint32_t vertexCount = 0;
    uint32_t triangleCount = 0;
    std::vector<glm::vec3> positions;
    std::vector<glm::vec3> normals;
    std::vector<glm::vec2> texcoords;
    std::vector<uint32_t> indices;
    std::vector<MeshFilePart> parts;
    std::vector<VertexBoneData> boneData; // empty for static meshes
    std::vector<MeshFileBone> bones;      // empty for static meshes

    bool isSkinned() const { return !boneData.empty() || !bones.empty(); }
};

} // namespace Engine::GFX::Mesh
