#pragma once

#include "Engine/Base/Status.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace Game {

// Where the character was and which way it faced in one update step.
struct GhostSample {
    glm::vec3 position{0.0f};
    float yaw = 0.0f; // degrees

    bool operator==(const GhostSample& other) const { return position == other.position && yaw == other.yaw; }
};

// The ghost file: the magic "cghost", a 16-bit version (ghostFileVersion),
// a 32-bit sample count, then per sample x, y, z and yaw as 32-bit floats,
// all little-endian. A run of one hour is the longest kept.
inline constexpr char ghostFileMagic[] = "cghost";
inline constexpr uint16_t ghostFileVersion = 1;
inline constexpr uint32_t maxGhostSamples = 360000;

// The samples of a ghost file. Throws Engine::DataFileError naming the file
// and the problem when it is missing, of another kind or version, empty,
// longer than maxGhostSamples, truncated, followed by stray bytes, or holds a
// value that is not finite.
std::vector<GhostSample> readGhostFile(const std::string& path);

// Writes the samples with FileUtil::replaceFile. The samples must be what
// readGhostFile accepts.
Engine::Status writeGhostFile(const std::string& path, const std::vector<GhostSample>& samples);

// The ghosts' folder, relative to the run folder, and a level's ghost in a
// ghosts' folder.
inline constexpr const char* ghostFolder = "./profile/ghosts";
std::string ghostFilePath(const std::string& folder, const std::string& levelHash);

} // namespace Game
