#include "Game/Controller/HeldItem.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

using namespace Game;

TEST(HeldItem, TakesTheHandsPositionAndRotationAtItsOwnScaleAndKeepsItsPreviousState)
{
    const glm::vec3 hand(0.3f, -1.5f, 2.0f);
    const glm::quat turn = glm::angleAxis(glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    TransformComponent item;
    item.previousPosition = glm::vec3(7.0f);
    placeHeldItem(glm::translate(glm::mat4(1.0f), hand) * glm::mat4_cast(turn) * glm::scale(glm::mat4(1.0f), glm::vec3(2.5f)),
                  item);

    EXPECT_LT(glm::length(item.position - hand), 1e-5f);
    // The item points where the hand points: its x axis turned onto y.
    EXPECT_LT(glm::length(item.rotation * glm::vec3(1.0f, 0.0f, 0.0f) - glm::vec3(0.0f, 1.0f, 0.0f)), 1e-5f);
    EXPECT_NEAR(glm::length(item.rotation), 1.0f, 1e-5f);
    EXPECT_EQ(item.scale, glm::vec3(heldItemScale));
    EXPECT_EQ(item.previousPosition, glm::vec3(7.0f));
}
