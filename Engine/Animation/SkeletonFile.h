#pragma once

#include <memory>
#include <string>

#include "Engine/Animation/SkeletalAnimation.h"

namespace Engine::GFX {

// The 9 identifier bytes the writer puts in front of a ".cskel" file; the
// reader does not look at them.
inline constexpr char skeletonFileIdentifier[] = "cskeleton";

// Reads a ".cskel" skeleton. Throws Engine::DataFileError naming the file and
// the problem when it is missing, truncated, has bytes after its last node,
// more than SkeletalAnimation::maxNodeCount nodes, a parent that is not a
// node, or a node 0 that is not the root.
std::unique_ptr<SkeletalAnimation> readSkeletonFile(const std::string& path);

// Writes the skeleton's nodes (name, parent, rest transform) in the format
// readSkeletonFile reads. Throws Engine::DataFileError when the file cannot be
// written or the skeleton does not fit the format.
void writeSkeletonFile(const std::string& path, const SkeletalAnimation& skeleton);

} // namespace Engine::GFX
