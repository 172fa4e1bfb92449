#pragma once

#include <memory>
#include <string>

#include "Engine/Mesh/MeshData.h"

namespace Engine::GFX::Mesh {

// The first six bytes of a mesh file. The two skinned magics are equivalent;
// every other value marks a static mesh, and the writer uses staticMeshMagic.
inline constexpr char skinnedMeshMagic[] = "camesh";
inline constexpr char skinnedMeshMagicAlt[] = "canisk";
inline constexpr char staticMeshMagic[] = "cmesh1";

// Reads a ".cmesh" or ".camesh" file. Every count is checked against the bytes
// that remain before anything is allocated, and every part range and bone id
// against what it refers to. Throws Engine::DataFileError naming the file and
// the problem when the file is missing, truncated or inconsistent.
std::unique_ptr<MeshData> readMeshFile(const std::string& path);

// Writes `mesh` in the format readMeshFile reads (skinned when mesh.isSkinned()).
// Throws Engine::DataFileError when the file cannot be written or the mesh does
// not fit the format (more than 255 parts or bones, names over 255 bytes,
// per-vertex arrays of the wrong length, bone ids over 65535).
void writeMeshFile(const std::string& path, const MeshData& mesh);

} // namespace Engine::GFX::Mesh
