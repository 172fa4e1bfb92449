#include "Engine/Core/GLContextRequirement.h"

#include <gtest/gtest.h>

TEST(GLContextRequirement, OnlyCoreProfilesOf33OrLaterAreAccepted)
{
    const std::tuple<int, int, bool, bool> cases[] = {
        {3, 3, true, true},   {3, 4, true, true},  {4, 0, true, true},  {4, 5, true, true},
        {3, 2, true, false}, {2, 1, true, false}, {4, 5, false, false},
    };
    for (const auto& [major, minor, core, accepted] : cases)
        EXPECT_EQ(Engine::meetsGLRequirement(major, minor, core), accepted) << major << "." << minor << " " << core;
}
