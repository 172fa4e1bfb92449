#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Animation/SkeletalAnimation.h"

// The character's rig: about 1.8 m tall, standing on z = 0 with +Z up,
// facing +X, its left side towards +Y. Every joint is a skeleton node; in the
// bind pose every node is only translated from its parent, so rotations in
// the clip turn limbs about the world axes of the bind pose.
namespace DataGen::Humanoid {

struct Joint {
    std::string name;
    int parent; // index into the joint list, -1 for the root
    glm::vec3 position; // bind pose, metres
};

inline const std::string rootName = "root";

// Each foot is a tube along +x under its ankle joint: from the heel to the
// toe, its axis at footAxisHeight, its sole touching the ground at the heel.
struct FootShape {
    float heelX = -0.06f;
    float toeX = 0.17f;
    float axisHeight = 0.04f;
    float heelRadius = 0.04f; // vertical half-height at the heel
    float toeRadius = 0.03f;
    float halfWidth = 0.045f;
};
inline constexpr FootShape foot{};

// Node 0 is the root at the origin; parents come before their children.
const std::vector<Joint>& joints();

int jointIndex(const std::string& name);

Engine::GFX::SkeletalAnimation buildSkeleton();

} // namespace DataGen::Humanoid
