#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

namespace Engine::GFX {

// The skinning palette of one skinned mesh: entry k is the matrix for bone id k
// of the mesh's vertex data, uploaded as one uniform array.
class BoneMatrixArray : public std::vector<glm::mat4> {
public:
    using std::vector<glm::mat4>::vector;

    uint32_t getSize() const { return static_cast<uint32_t>(size()); }
};

} // namespace Engine::GFX
