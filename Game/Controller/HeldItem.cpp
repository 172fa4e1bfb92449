#include "Game/Controller/HeldItem.h"

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/gtx/matrix_decompose.hpp>

namespace Game {

void placeHeldItem(const glm::mat4& handTransform, TransformComponent& item)
{
    glm::vec3 skew;
    glm::vec4 perspective;
    glm::decompose(handTransform, item.scale, item.rotation, item.position, skew, perspective);
    // GLM 0.9.9's decompose yields the conjugate of the matrix's rotation.
    item.rotation.x = -item.rotation.x;
    item.rotation.y = -item.rotation.y;
    item.rotation.z = -item.rotation.z;
    item.scale = glm::vec3(heldItemScale);
}

} // namespace Game
