#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Animation/SkeletalAnimation.h"
#include "Game/Resources/DataFiles.h"

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

// Where the character stands in the level: at its centre, a few metres from
// the player's landing spot, so the first view shows it whole. The bind-pose
// mesh is authored there. The root stays at the origin, because the bone
// palette undoes the root's own transform; the root's children carry the
// placement instead. Joint positions below are relative to the placement.
inline constexpr glm::vec3 placement{Game::DataFiles::characterPlacementX, Game::DataFiles::characterPlacementY,
                                      Game::DataFiles::characterPlacementZ};

// Node 0 is the root; parents come before their children.
const std::vector<Joint>& joints();

int jointIndex(const std::string& name);

// A joint's bind-pose position in the level: the root at the origin, every
// other joint at the placement plus its position.
glm::vec3 bindPosition(int index);

// A joint's bind-pose translation from its parent.
glm::vec3 restTranslation(int index);

Engine::GFX::SkeletalAnimation buildSkeleton();

} // namespace DataGen::Humanoid
