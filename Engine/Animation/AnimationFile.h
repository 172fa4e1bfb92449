#pragma once

#include <memory>
#include <string>

#include "Engine/Animation/Animation.h"

namespace Engine::GFX {

// The 10 identifier bytes the writer puts in front of a ".canim" file; the
// reader does not look at them.
inline constexpr char animationFileIdentifier[] = "canimation";

// Reads a ".canim" clip. Throws Engine::DataFileError naming the file and the
// problem when it is missing, truncated, has bytes after its last channel, or
// a duration or tick rate that cannot be played (not finite, negative
// duration, tick rate not above 0).
std::unique_ptr<Animation> readAnimationFile(const std::string& path);

// Writes the clip in the format readAnimationFile reads. Throws
// Engine::DataFileError when the file cannot be written or the clip does not
// fit the format (over 255 channels, 65535 keys or 255-byte names, key lists
// whose lengths differ from keyCount).
void writeAnimationFile(const std::string& path, const Animation& animation);

} // namespace Engine::GFX
