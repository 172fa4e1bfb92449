#include "Engine/Core/GLContextRequirement.h"

#include <gtest/gtest.h>

TEST(GLContextRequirement, CoreProfileOf33OrLaterIsAccepted)
{
    EXPECT_TRUE(Engine::meetsGLRequirement(3, 3, true));
    EXPECT_TRUE(Engine::meetsGLRequirement(3, 4, true));
    EXPECT_TRUE(Engine::meetsGLRequirement(4, 0, true));
    EXPECT_TRUE(Engine::meetsGLRequirement(4, 5, true));
}

TEST(GLContextRequirement, OlderVersionsOrCompatibilityProfilesAreRefused)
{
    EXPECT_FALSE(Engine::meetsGLRequirement(3, 2, true));
    EXPECT_FALSE(Engine::meetsGLRequirement(2, 1, true));
    EXPECT_FALSE(Engine::meetsGLRequirement(4, 5, false));
}
