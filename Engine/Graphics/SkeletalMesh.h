#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Graphics/SubMesh.h"
#include "Engine/Graphics/VAOi.h"

namespace Engine::GFX::Mesh {

// A bone of a skinned mesh: the offset matrix taking the mesh into the
// bone's space, and the name of the skeleton node that moves it.
struct Bone {
    glm::mat4 offset{1.0f};
    std::string name;
};

// A skinned mesh (skinnedLayout): bone id k in the vertex data refers to bones[k].
class SkeletalMesh : public VAOi {
public:
    SkeletalMesh();

    // Relies on the element buffer the vertex array recorded at upload.
    void draw() override;

    std::vector<SubMesh> parts;
    std::vector<Bone> bones;
};

} // namespace Engine::GFX::Mesh
