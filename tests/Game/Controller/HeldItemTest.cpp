#include "Game/Controller/HeldItem.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

using namespace Game;

namespace {

// Equal rotations, whichever sign the quaternion carries.
float rotationMismatch(const glm::quat& a, const glm::quat& b)
{
    return 1.0f - std::abs(glm::dot(glm::normalize(a), glm::normalize(b)));
}

glm::mat4 handMatrix(const glm::vec3& position, const glm::quat& rotation, float scale)
{
    return glm::translate(glm::mat4(1.0f), position) * glm::mat4_cast(rotation) *
           glm::scale(glm::mat4(1.0f), glm::vec3(scale));
}

} // namespace

TEST(HeldItem, TakesTheHandsPositionAndRotationAtItsOwnScale)
{
    const glm::quat turn = glm::angleAxis(glm::radians(70.0f), glm::normalize(glm::vec3(1.0f, 2.0f, 3.0f)));
    TransformComponent item;
    placeHeldItem(handMatrix(glm::vec3(0.3f, -1.5f, 2.0f), turn, 2.5f), item);

    EXPECT_LT(glm::length(item.position - glm::vec3(0.3f, -1.5f, 2.0f)), 1e-5f);
    EXPECT_LT(rotationMismatch(item.rotation, turn), 1e-5f);
    EXPECT_EQ(item.scale, glm::vec3(heldItemScale));
}

TEST(HeldItem, ItemPointsWhereTheHandPointsAndKeepsItsPreviousState)
{
    const glm::quat turn = glm::angleAxis(glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    TransformComponent item;
    item.previousPosition = glm::vec3(7.0f);
    placeHeldItem(handMatrix(glm::vec3(0.0f), turn, 1.0f), item);
    const glm::vec3 pointed = item.rotation * glm::vec3(1.0f, 0.0f, 0.0f);
    EXPECT_NEAR(pointed.x, 0.0f, 1e-5f);
    EXPECT_NEAR(pointed.y, 1.0f, 1e-5f);
    EXPECT_EQ(item.previousPosition, glm::vec3(7.0f));
}
