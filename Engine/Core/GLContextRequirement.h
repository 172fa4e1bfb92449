#pragma once

namespace Engine {

constexpr int requiredGLMajorVersion = 3;
constexpr int requiredGLMinorVersion = 3;

// Every renderer of the game assumes the core profile of OpenGL 3.3 or a
// later, compatible version.
constexpr bool meetsGLRequirement(int majorVersion, int minorVersion, bool coreProfile)
{
    const bool recentEnough = majorVersion > requiredGLMajorVersion
        || (majorVersion == requiredGLMajorVersion && minorVersion >= requiredGLMinorVersion);
    return recentEnough && coreProfile;
}

} // namespace Engine
