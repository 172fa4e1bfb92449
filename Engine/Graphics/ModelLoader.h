#pragma once

#include <memory>
#include <string>

#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/SkeletalMesh.h"

namespace Engine::GFX::Mesh {

// Both loaders read a mesh file (".cmesh" / ".camesh") and return an uploaded
// model; they need a current GL context. A missing, truncated or inconsistent
// file throws Engine::DataFileError naming the file and the problem.

// Static model: every vertex is opaque white; parts keep their names.
std::unique_ptr<Model3Di> loadStaticModel(const std::string& path);

// Skinned mesh: also carries bone ids, weights and the bones' offset
// matrices. A static file has no bone data and is rejected.
std::unique_ptr<SkeletalMesh> loadSkinnedMesh(const std::string& path);

} // namespace Engine::GFX::Mesh
