#include "Game/Controller/HeldItem.h"

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/gtx/matrix_decompose.hpp>

namespace Game {

void placeHeldItem(const glm::mat4& handTransform, TransformComponent& item)
{
    glm::vec3 skew;
    glm::vec4 perspective;
    // GLM 0.9.9's decompose gives the matrix's own rotation; older GLM
    // releases gave its conjugate, which callers then had to undo.
    glm::decompose(handTransform, item.scale, item.rotation, item.position, skew, perspective);
    item.scale = glm::vec3(heldItemScale);
}

} // namespace Game
